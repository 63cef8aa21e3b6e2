// The user's preferences: keys in the section "General" of the settings
// store gPrefs, read and written through accessors with built-in defaults.
// A missing or empty value reads as its default; a value that is not a
// number reads as 0.
//
// | key         | type           | default | meaning                                     |
// |-------------|----------------|---------|---------------------------------------------|
// | AddAlways   | 0/1            | 1       | page number in every file name, even for a  |
// |             |                |         | single-page layout                          |
// | LastFolder  | 0/1            | 0       | the export dialog starts in the last folder |
// | FolderPath  | text, <512 B   | none    | that folder; read only while LastFolder = 1 |
// | Logging     | 0/1            | 0       | write the log file                          |
// | AllPages    | 0/1            | 0       | the export dialog starts with all pages     |
// | OutputStyle | text, <256 B   | empty   | output style of the previous export         |
// | AddBlack    | 0/1            | 0       | add the process-colour comment to EPS       |
//
// "OutputStyle" and "AddBlack" are read and written by their users
// directly (getPrefs().getString(kPrefsSection, "OutputStyle", …)).
// Nothing is saved by itself except by setUseLastFolder: the callers save
// after a group of changes (savePrefs).
#pragma once

#include <cstdint>

#include "plugin/settings/settings_store.h"

constexpr const char* kPrefsSection = "General";
constexpr const char* keyAddAlways = "AddAlways";
constexpr const char* keyLastFolder = "LastFolder";
constexpr const char* keyFolderPath = "FolderPath";
constexpr const char* keyLogging = "Logging";
constexpr const char* keyAllPages = "AllPages";

// The store gPrefs.
CMySettings& getPrefs();
// Reads the settings file again from the store's path; unsaved edits are
// lost. The result is setupWithPath's.
int32_t loadPrefs();
// Reads the file again only when it changed on disk (shallReload); 0 when
// nothing was read.
int32_t reloadPrefs();
// Writes the settings file (CMySettings::save): 0, or -1 after showing
// that it could not be written.
int32_t savePrefs();

int32_t getAddAlways();
int32_t setAddAlways(int32_t value);

// "LastFolder"; when it is 1 and folder is given (kMyPathSize bytes), the
// stored "FolderPath" is copied into it (left unchanged when there is
// none).
int32_t getUseLastFolder(char* folder);
// Writes "LastFolder"; when value is 1 and a folder is given, also writes
// "FolderPath" and saves the file at once. Setting 0 keeps "FolderPath",
// which is then no longer read. 0, or -1 when a write or the save failed;
// a folder that would not fit a path buffer is not stored.
int32_t setUseLastFolder(int32_t value, const char* folder);

int32_t getLogging();
// Writes "Logging" and switches the log on or off for the next line.
int32_t setLogging(int32_t value);

int32_t getAllPages();
