// The user's special folders, as UTF-8 paths in kMyPathSize-byte buffers
// (no trailing separator unless the folder is "/"). They follow the XDG
// base-directory conventions; an environment variable counts only when it
// holds an absolute path. None of these functions creates a folder.
//
// | folder          | from                                  | default          |
// |-----------------|---------------------------------------|------------------|
// | home            | $HOME                                 | the account's    |
// | Documents       | $XDG_DOCUMENTS_DIR, else the entry    | ~/Documents      |
// |                 | XDG_DOCUMENTS_DIR of user-dirs.dirs   |                  |
// |                 | in the config folder                  |                  |
// | app support     | $XDG_CONFIG_HOME                      | ~/.config        |
// | state           | $XDG_STATE_HOME                       | ~/.local/state   |
//
// The settings file lives in the app-support folder and the log in the
// state folder, each in a subfolder named after the maker ("Korvane").
// On Windows every one of them but home is the shell's personal folder
// (Documents), home the user's profile folder.
#pragma once

// Each writes the folder into dst and returns true, or returns false with
// an empty dst when no home folder is known or the path is too long.
bool getHomeFolder(char* dst);
bool getDocumentsFolder(char* dst);
bool getAppSupportFolder(char* dst);
bool getStateFolder(char* dst);
