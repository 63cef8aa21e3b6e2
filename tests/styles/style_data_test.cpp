#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/core/xt_groups.h"
#include "plugin/styles/xml_nodes.h"
#include "plugin/core/plexmoor.h"
#include "plugin/styles/style_data.h"
#include "tests/common/plugin_host.h"

using plxtest::PluginHost;

namespace {

OutputStyleRef makeStyle(PluginHost& ph, const char* name, uint32_t medium) {
    OutputStyleRef style = nullptr;
    std::string error;
    EXPECT_EQ(ph.host().styles().create(name, medium, &style, &error), 0) << error;
    return style;
}

} // namespace

TEST(StyleData, NeverEditedStylesReadTheDefaultsOfTheirMedium) {
    PluginHost ph;
    PlxStyleData eps = styleDataForName("Default EPS");
    EXPECT_EQ(eps.base, 0u);
    EXPECT_STREQ(eps.separator, "_");
    EXPECT_EQ(eps.numbering, 2u);
    EXPECT_STREQ(eps.suffix, ".eps");
    EXPECT_EQ(eps.pageMargins, 0);
    EXPECT_EQ(eps.numberBeforeName, 0);
    EXPECT_STREQ(styleDataForName("Default PDF").suffix, ".pdf");

    // No such style: all zero.
    PlxStyleData none = styleDataForName("Nothing");
    EXPECT_STREQ(none.separator, "");
    EXPECT_EQ(none.numbering, 0u);
    EXPECT_EQ(outputMediaForStyle("Nothing"), static_cast<uint32_t>(kXTMediumNone));
    EXPECT_EQ(styleRefForName(nullptr), nullptr);
}

TEST(StyleData, WrittenValuesReadBack) {
    PluginHost ph;
    OutputStyleRef style = makeStyle(ph, "Print PDF", kXTMediumPDF);
    ASSERT_EQ(styleRefForName("Print PDF"), style);
    EXPECT_EQ(outputMediaForStyle(style), static_cast<uint32_t>(kXTMediumPDF));
    PlxStyleData in;
    std::memset(&in, 0, sizeof in);
    in.base = 1;
    in.numbering = 4;
    std::strcpy(in.separator, "-*- ");
    std::strcpy(in.suffix, std::string(31, 's').c_str());
    in.pageMargins = 1;
    in.numberBeforeName = 1;
    setStyleData(style, in);
    PlxStyleData out = styleDataForStyle(style);
    EXPECT_EQ(out.base, 1u);
    EXPECT_EQ(out.numbering, 4u);
    EXPECT_STREQ(out.separator, "-*- ");
    EXPECT_STREQ(out.suffix, in.suffix);
    EXPECT_EQ(out.pageMargins, 1);
    EXPECT_EQ(out.numberBeforeName, 1);

    // The values live in the style's tree under the plug-in's key.
    const XTXMLTree_* tree = ph.host().styles().data(style, kPlxId);
    ASSERT_NE(tree, nullptr);
}

TEST(StyleData, OverlongStoredTextsReadEmptyAndUnterminatedFieldsStoreEmpty) {
    PluginHost ph;
    OutputStyleRef style = makeStyle(ph, "Long", kXTMediumEPS);
    PlxStyleData in = styleDataForStyle(style);
    std::memset(in.separator, 'x', sizeof in.separator); // no terminator in the field
    std::strcpy(in.suffix, ".eps");
    setStyleData(style, in);
    PlxStyleData out = styleDataForStyle(style);
    EXPECT_STREQ(out.separator, "") << "an unterminated field is stored as the empty text";

    // A value of 32 bytes stored by someone else reads as empty, not cut.
    XTXMLTreeRef tree = nullptr;
    ASSERT_EQ(xtoutputstyle_funchndl->getStyleData(style, kPlxId, &tree), 0);
    ASSERT_EQ(setNodeAttr(getNode(tree, "Plx"), "Suffix", std::string(32, 'y').c_str()), 0);
    ASSERT_EQ(setNodeAttr(getNode(tree, "Plx"), "Numbers", ""), 0);
    xtoutputstyle_funchndl->setStyleData(style, kPlxId, tree);
    xtxmlnode_funchndl->disposeTree(tree);
    out = styleDataForStyle(style);
    EXPECT_STREQ(out.suffix, "");
    EXPECT_EQ(out.numbering, 2u) << "an empty number counts as missing";
}
