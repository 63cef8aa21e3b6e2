// The plug-in's identity: identifier, version and the constants it hands
// the host. Defined once here.
#pragma once

#include "platform_traits.h"
#include "xt/xtsetup.h"

#define kPlxProductName "Plexmoor"
#define kPlxVersion "6.72"
#define kPlxCopyrightYear 2017
// The maker's folder that holds the settings file and the log.
#define kPlxMakerFolder "Korvane"

// The plug-in identifier "BWYA", also its slug-data tag and the owner key
// of its data in output styles.
constexpr uint32_t kPlxId = XT_FOURCC('B', 'W', 'Y', 'A');
constexpr uint32_t kPdfModuleId = XT_FOURCC('X', 'P', 'D', 'F');

constexpr int32_t kPlxPlatform = kXTPlatformThis;
// The macOS build registers its callbacks with flags 7; every other build
// registers them the way the Windows build does.
constexpr int32_t kPlxRegistrationFlags = kPlxPlatform == kXTPlatformMac ? 7 : 5;
constexpr int32_t kPlxRegistrationPriority = 200;
constexpr uint32_t kPlxFailure = kXTFailure;

// kPlxLineEnd, the line end of every text the plug-in writes, comes with
// the platform (platform_traits.h).
