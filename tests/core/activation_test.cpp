#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/groups.h"
#include "plugin/core/lifecycle.h"
#include "plugin/core/pdf_module.h"
#include "plugin/core/xt_groups.h"
#include "plugin/support/mystrings.h"
#include "tests/common/plugin_host.h"

using plxtest::PluginHost;

namespace {

std::vector<int32_t> registeredCodes(plxhost::Host& host) {
    std::vector<int32_t> codes;
    for (const plxhost::Registration& r : host.callbacks().all()) codes.push_back(r.code);
    return codes;
}

} // namespace

TEST(CoreActivation, AcceptedRegistersLanguageSettingsAndQuitInOrder) {
    PluginHost ph;
    ASSERT_EQ(ph.activationResult(), 0);
    std::vector<int32_t> codes = registeredCodes(ph.host());
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(std::vector<int32_t>(codes.begin(), codes.begin() + 3),
              (std::vector<int32_t>{5, 12, 4}));
    for (const plxhost::Registration& r : ph.host().callbacks().all()) {
        EXPECT_EQ(r.flags, 5);
        EXPECT_EQ(r.priority, 200);
    }
    // The entry handed over activation and identifier reservation; two
    // identifiers were reserved for the panels.
    const std::vector<std::string>& calls = ph.host().setupCalls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], "checkCompatibility");
    EXPECT_EQ(calls[1], "announcePriority");
    EXPECT_EQ(calls[2], "registerActivation");
    EXPECT_EQ(calls[3], "registerReserveIds");
    EXPECT_NE(gPrefsPanelCallbackId, 0u);
    EXPECT_NE(gStylesPanelCallbackId, 0u);
    EXPECT_NE(gPrefsPanelCallbackId, gStylesPanelCallbackId);
}

TEST(CoreActivation, RefusedCompatibilityCallsNothingElse) {
    plxhost::HostOptions options;
    options.refuseCompatibility = true;
    PluginHost ph(options);
    EXPECT_EQ(ph.activationResult(), static_cast<int32_t>(0x51000401));
    EXPECT_EQ(ph.host().setupCalls(), std::vector<std::string>{"checkCompatibility"});
    EXPECT_TRUE(ph.host().callbacks().all().empty());
}

TEST(CoreActivation, InterfaceMismatchStopsBeforeAnyGroupOrCallback) {
    plxhost::HostOptions options;
    options.failInterfaceCheck = true;
    PluginHost ph(options);
    EXPECT_EQ(ph.activationResult(), static_cast<int32_t>(0x51000401));
    EXPECT_TRUE(ph.host().boundGroups().empty());
    EXPECT_TRUE(ph.host().callbacks().all().empty());
}

TEST(CoreActivation, UnboundGroupStopsActivationBeforeCallbacks) {
    for (const char* group : {"accessor-string", "xtdoc", "xtbox", "xterror"}) {
        plxhost::HostOptions options;
        options.refuseGroup = group;
        PluginHost ph(options);
        EXPECT_EQ(ph.activationResult(), static_cast<int32_t>(0x51000401)) << group;
        EXPECT_TRUE(ph.host().callbacks().all().empty()) << group;
        for (uint32_t id : ph.host().boundGroups())
            EXPECT_STRNE(plxhost::groupName(id), group);
    }
}

TEST(CoreActivation, PdfModuleBoundOnlyWhenPresent) {
    {
        PluginHost ph;
        ASSERT_EQ(ph.activationResult(), 0);
        EXPECT_EQ(gPDF, 1);
        EXPECT_NE(gPDFFuncGrpHndl, nullptr);
    }
    plxhost::HostOptions options;
    options.pdfModule = false;
    PluginHost ph(options);
    ASSERT_EQ(ph.activationResult(), 0);
    EXPECT_EQ(gPDF, 0);
    EXPECT_EQ(gPDFFuncGrpHndl, nullptr);
}

TEST(CoreLanguage, OnlyCodes3And19AreGerman) {
    PluginHost ph;
    ASSERT_EQ(ph.activationResult(), 0);
    for (uint16_t code : {0, 1, 2, 4, 18, 35, 0xFFFF}) {
        ph.host().sendLanguage(code);
        EXPECT_EQ(gLanguage, 0) << code;
    }
    for (uint16_t code : {3, 19}) {
        ph.host().sendLanguage(code);
        EXPECT_EQ(gLanguage, 3) << code;
    }
}

TEST(CoreLanguage, LaterNotificationReplacesTheTable) {
    PluginHost ph;
    ASSERT_EQ(ph.activationResult(), 0);
    char text[256];
    ph.host().sendLanguage(3);
    EXPECT_STREQ(getString("exportBoxCmd", text), "Rahmen als EPS/PDF");
    ph.host().sendLanguage(2);
    EXPECT_STREQ(getString("exportBoxCmd", text), "Save current box as EPS/PDF");
}

TEST(CoreModule, MissingModuleIsAnErrorNotACrash) {
    plxhost::Host host;
    std::string error;
    EXPECT_EQ(host.loadPlugin("/nonexistent/Plexmoor.so", &error), -1);
    EXPECT_NE(error.find("/nonexistent/Plexmoor.so"), std::string::npos);
}
