/* A preload library for the macOS stage: GNUstep takes the user's home
 * folder (Documents, Library, defaults) from the password database, not
 * from $HOME, so a test run would write into the real account's folders.
 * Loaded with LD_PRELOAD, this answers every password-database look-up
 * with the home folder $PLX_PASSWD_HOME, or else $HOME (so that a test
 * that points HOME at a temporary folder moves GNUstep's home with it). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <pwd.h>
#include <stdlib.h>

static struct passwd* withHome(struct passwd* pw) {
    const char* home = getenv("PLX_PASSWD_HOME");
    if (!home || !home[0]) home = getenv("HOME");
    if (pw && home && home[0] == '/') pw->pw_dir = (char*)home;
    return pw;
}

struct passwd* getpwnam(const char* name) {
    struct passwd* (*real)(const char*) = (struct passwd * (*)(const char*)) dlsym(RTLD_NEXT, "getpwnam");
    return withHome(real ? real(name) : NULL);
}

struct passwd* getpwuid(uid_t uid) {
    struct passwd* (*real)(uid_t) = (struct passwd * (*)(uid_t)) dlsym(RTLD_NEXT, "getpwuid");
    return withHome(real ? real(uid) : NULL);
}

int getpwnam_r(const char* name, struct passwd* pw, char* buf, size_t len, struct passwd** out) {
    int (*real)(const char*, struct passwd*, char*, size_t, struct passwd**) =
        (int (*)(const char*, struct passwd*, char*, size_t, struct passwd**))dlsym(RTLD_NEXT, "getpwnam_r");
    int rc = real ? real(name, pw, buf, len, out) : -1;
    if (rc == 0) withHome(*out);
    return rc;
}

int getpwuid_r(uid_t uid, struct passwd* pw, char* buf, size_t len, struct passwd** out) {
    int (*real)(uid_t, struct passwd*, char*, size_t, struct passwd**) =
        (int (*)(uid_t, struct passwd*, char*, size_t, struct passwd**))dlsym(RTLD_NEXT, "getpwuid_r");
    int rc = real ? real(uid, pw, buf, len, out) : -1;
    if (rc == 0) withHome(*out);
    return rc;
}
