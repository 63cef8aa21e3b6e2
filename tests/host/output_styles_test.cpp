// Output styles: the host's settings file, its order and defaults, the
// output-style, xas and XML-node groups, and applying a style to a job.
#include <gtest/gtest.h>

#include <filesystem>


#include "host/host_objects.h"
#include "host/output_styles.h"
#include "host/xml_text.h"
#include "tests/common/native_text.h"
#include "tests/host/print_kit.h"

using namespace plxtest;
using plxhost::StyleStore;

namespace {

const uint32_t kPluginKey = XT_FOURCC('B', 'W', 'Y', 'A');

// A plug-in that only says who it is.
int32_t activateNothing(XTSetupRec*) { return 0; }
uint8_t gAccepted = 0;
int32_t identifyAsPlugin(XTSetupRec* setup) {
    gAccepted = setup->checkCompatibility(kPluginKey, 0, kXTPlatformThis, kXTInterfaceVersion, 0);
    setup->registerActivation(activateNothing, 0, 0, 0);
    return 0;
}

std::vector<std::string> names(StyleStore& store) {
    std::vector<std::string> out;
    for (OutputStyleRef s : store.styles()) out.push_back(s->name);
    return out;
}

// Host strings for group calls, released at the end of the scope.
class HostText {
  public:
    explicit HostText(const std::string& s) : ref_(plxhost::newHostStringUtf8(s)) {}
    ~HostText() { plxhost::releaseHostString(ref_); }
    operator QXStringRef() const { return ref_; }

  private:
    QXStringRef ref_;
};

std::string take(QXStringRef s) {
    std::string text = plxhost::hostStringUtf8(s);
    plxhost::releaseHostString(s);
    return text;
}

} // namespace

TEST(HostOutputStyles, FirstUseWritesTheDefaultsAndALaterHostReadsWhatWasSaved) {
    TempHome home;
    std::string file = plxtest::joined(home.hostFolder(), "OutputStyles.xml");
    {
        plxhost::Host host;
        StyleStore& store = host.styles();
        EXPECT_EQ(store.path(), file);
        EXPECT_EQ(names(store), (std::vector<std::string>{"Default EPS", "Default PDF"}));
        EXPECT_EQ(store.styles()[0]->medium, kXTMediumEPS);
        EXPECT_EQ(store.styles()[1]->medium, kXTMediumPDF);
        EXPECT_FALSE(readFile(file).empty());

        OutputStyleRef spreads = nullptr;
        std::string error;
        ASSERT_EQ(store.create("Spreads \"&<PDF>\"", kXTMediumPDF, &spreads, &error), 0) << error;
        ASSERT_EQ(store.setSpreads(spreads, true), 0);
        ASSERT_EQ(store.create("Proof", kXTMediumEPS, nullptr, &error), 0);
        auto tree = plxhost::makeTree();
        tree->root.addChild("Plx")->setAttribute("Sep", "a\"b<c>&\td\ne");
        ASSERT_EQ(store.setData(spreads, kPluginKey, *tree), 0);
        ASSERT_EQ(store.setData(spreads, 0x01020304, *tree), 0);
        EXPECT_TRUE(host.errors().empty());
    }
    plxhost::Host later;
    StyleStore& store = later.styles();
    EXPECT_EQ(names(store), (std::vector<std::string>{"Default EPS", "Default PDF",
                                                      "Spreads \"&<PDF>\"", "Proof"}));
    OutputStyleRef spreads = store.find("Spreads \"&<PDF>\"");
    EXPECT_TRUE(store.spreads(spreads));
    EXPECT_FALSE(store.spreads(store.find("Proof")));
    for (uint32_t key : {kPluginKey, 0x01020304u}) {
        const XTXMLTree_* data = store.data(spreads, key);
        ASSERT_NE(data, nullptr);
        ASSERT_NE(data->root.child("Plx"), nullptr);
        EXPECT_EQ(*data->root.child("Plx")->attribute("Sep"), "a\"b<c>&\td\ne");
    }
    EXPECT_TRUE(later.errors().empty());
}

TEST(HostOutputStyles, NamesAreCheckedAndDefaultsStayFirst) {
    TempHome home;
    std::string file = home.file("styles.xml");
    ASSERT_TRUE(writeFile(file, "<?xml version=\"1.0\"?>\n<!-- by hand -->\n"
                                "<OutputStyles version=\"1\">\n"
                                "  <Style name=\"Mine\" medium=\"XEPS\"/>\n"
                                "  <Style name=\"Default PDF\" medium=\"XPDF\"/>\n"
                                "</OutputStyles>\n"));
    plxhost::HostOptions options;
    options.stylesFile = file;
    plxhost::Host host(options);
    StyleStore& store = host.styles();
    EXPECT_EQ(names(store), (std::vector<std::string>{"Default EPS", "Default PDF", "Mine"}));
    std::string error;
    EXPECT_EQ(store.create("Mine", kXTMediumPDF, nullptr, &error), kXTParamErr);
    EXPECT_EQ(store.create(std::string(256, 'x'), kXTMediumPDF, nullptr, &error), kXTParamErr);
    EXPECT_EQ(store.create("tab\there", kXTMediumPDF, nullptr, &error), kXTParamErr);
    EXPECT_EQ(store.create("", kXTMediumPDF, nullptr, &error), kXTParamErr);
    EXPECT_EQ(store.create("Odd medium", XT_FOURCC('X', 'T', 'I', 'F'), nullptr, &error),
              kXTParamErr);
    EXPECT_EQ(store.create(std::string(255, 'x'), kXTMediumNone, nullptr, &error), 0);
    EXPECT_EQ(store.styles().size(), 4u);
}

TEST(HostOutputStyles, UnreadableFileIsKeptAsideAndReported) {
    TempHome home;
    std::string file = home.file("styles.xml");
    const std::string broken = "<OutputStyles version=\"1\">\n  <Style name=\"A\" medium=\"XEPS\">\n";
    const std::vector<std::string> bad = {
        broken,
        "<OutputStyles version=\"1\"><Style name=\"A\" medium=\"TIFF\"/></OutputStyles>",
        "<OutputStyles version=\"1\"><Style name=\"A\" medium=\"XEPS\"/>"
        "<Style name=\"A\" medium=\"XPDF\"/></OutputStyles>",
        "<OutputStyles version=\"2\"/>",
        "<OutputStyles version=\"1\"><Style name=\"" + std::string(256, 'n') +
            "\" medium=\"XEPS\"/></OutputStyles>",
        "<OutputStyles version=\"1\"><Style name=\"A\" medium=\"XEPS\"><Data key=\"ABCD\"/>"
        "</Style></OutputStyles>",
    };
    // Each file set aside keeps a number of its own: none is written over.
    for (size_t i = 0; i < bad.size(); ++i) {
        const std::string& text = bad[i];
        std::string aside = file + ".unreadable-" + std::to_string(i + 1);
        ASSERT_TRUE(writeFile(file, text));
        plxhost::HostOptions options;
        options.stylesFile = file;
        plxhost::Host host(options);
        EXPECT_EQ(names(host.styles()), (std::vector<std::string>{"Default EPS", "Default PDF"}));
        EXPECT_EQ(host.styles().setAsidePath(), aside);
        ASSERT_EQ(host.errors().size(), 1u) << text;
        EXPECT_NE(host.errors()[0].text.find(aside), std::string::npos);
        EXPECT_NE(host.errors()[0].text.find("line "), std::string::npos) << host.errors()[0].text;
    }
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_EQ(readFile(file + ".unreadable-" + std::to_string(i + 1)), bad[i]);
    EXPECT_NE(readFile(file).find("Default PDF"), std::string::npos);
}

TEST(HostXmlText, ReadsWhatItWritesAndNamesTheLineOfAnError) {
    std::string error;
    auto tree = plxhost::parseXml("\xEF\xBB\xBF<?xml version=\"1.0\"?><a x='1 &amp; &#65;&#x263A;'>"
                                  "text<!-- c --><b/><c y=\"&lt;&gt;&quot;&apos;\"><d/></c></a>",
                                  &error);
    ASSERT_NE(tree, nullptr) << error;
    EXPECT_EQ(*tree->root.attribute("x"), "1 & A\xE2\x98\xBA");
    ASSERT_NE(tree->root.child("c"), nullptr);
    EXPECT_EQ(*tree->root.child("c")->attribute("y"), "<>\"'");
    auto again = plxhost::parseXml(plxhost::writeXml(*tree), &error);
    ASSERT_NE(again, nullptr) << error;
    EXPECT_EQ(plxhost::writeXml(*again), plxhost::writeXml(*tree));

    const std::vector<std::pair<std::string, std::string>> bad = {
        {"<a>\n<b>\n</a>", "line 3:"},
        {"<a x=\"1\" x=\"2\"/>", "twice"},
        {"<a x=1/>", "quotes"},
        {"<a>&bogus;</a>", "unknown entity"},
        {"<a x=\"&#0;\"/>", "outside Unicode"},
        {"<a/><b/>", "after the last element"},
        {"", "no element"},
        {"<a x=\"1\"y=\"2\"/>", "space"},
        {std::string(5000, '<'), "name"},
    };
    for (const auto& b : bad) {
        EXPECT_EQ(plxhost::parseXml(b.first, &error), nullptr) << b.first;
        EXPECT_NE(error.find(b.second), std::string::npos) << error;
    }
    std::string deep;
    for (int i = 0; i < 1000; ++i) deep += "<a>";
    EXPECT_EQ(plxhost::parseXml(deep, &error), nullptr);
    EXPECT_NE(error.find("too deeply"), std::string::npos) << error;
}

TEST(HostStyleGroups, StyleDataTreesThroughTheGroups) {
    PrintHost h;
    ASSERT_EQ(h.host().attachPlugin(identifyAsPlugin, "identify"), 0);
    ASSERT_EQ(gAccepted, 1);
    const PrintKit& k = h.kit();
    plxhost::LiveObjects before = plxhost::liveObjects();

    XTOutputStyleContextRef context = nullptr;
    ASSERT_EQ(k.styles->getCurrentContext(&context), 0);
    ASSERT_EQ(k.xas->countStyles(context), 2);
    OutputStyleRef eps = nullptr, pdf = nullptr, none = nullptr;
    ASSERT_EQ(k.xas->styleAt(context, 0, &eps), 0);
    ASSERT_EQ(k.xas->styleAt(context, 1, &pdf), 0);
    EXPECT_EQ(k.xas->styleAt(context, 2, &none), kXTParamErr);
    EXPECT_EQ(k.xas->styleAt(context, -1, &none), kXTParamErr);
    EXPECT_EQ(none, nullptr);
    OutputStyleRef found = nullptr;
    EXPECT_EQ(k.styles->findStyleByName(context, HostText("Default PDF"), &found), 0);
    EXPECT_EQ(found, pdf);
    EXPECT_EQ(k.styles->findStyleByName(context, HostText("default pdf"), &found), kXTNotFoundErr);
    EXPECT_EQ(k.styles->findStyleByName(context, HostText(std::string(100000, 'D')), &found),
              kXTNotFoundErr);
    EXPECT_EQ(found, nullptr);
    OutputStyleRef byMedium = nullptr;
    EXPECT_EQ(k.styles->getDefaultStyle(kXTMediumEPS, &byMedium), 0);
    EXPECT_EQ(byMedium, eps);
    QXStringRef name = nullptr;
    ASSERT_EQ(k.styles->getStyleName(pdf, &name), 0);
    EXPECT_EQ(take(name), "Default PDF");
    uint32_t medium = kXTMediumNone;
    EXPECT_EQ(k.styles->getOutputMedium(pdf, &medium), 0);
    EXPECT_EQ(medium, kXTMediumPDF);

    // The host's own tree: EPS/General/@Spread.
    XTXMLTreeRef tree = nullptr;
    ASSERT_EQ(k.styles->getStyleData(eps, kXTStyleKeyEPS, &tree), 0);
    XTXMLNodeRef node = nullptr, general = nullptr;
    ASSERT_EQ(k.xml->findChild(k.xml->rootNode(tree), HostText("EPS"), &node), 0);
    ASSERT_EQ(k.xml->findChild(node, HostText("General"), &general), 0);
    QXStringRef value = nullptr;
    ASSERT_EQ(k.xml->getAttribute(general, HostText("Spread"), &value), 0);
    EXPECT_EQ(take(value), "0");
    EXPECT_EQ(k.xml->getAttribute(general, HostText("Missing"), &value), kXTNotFoundErr);
    EXPECT_EQ(value, nullptr);
    k.xml->disposeTree(tree);

    // A loaded plug-in's key: an empty tree until data is stored; keys
    // nobody knows: none.
    ASSERT_EQ(k.styles->getStyleData(pdf, kPluginKey, &tree), 0);
    XTXMLNodeRef root = k.xml->rootNode(tree);
    EXPECT_EQ(k.xml->findChild(root, HostText("Plx"), &node), kXTNotFoundErr);
    ASSERT_EQ(k.xml->createChild(root, HostText("Plx"), &node), 0);
    EXPECT_EQ(k.xml->createChild(root, HostText("bad name"), &general), kXTParamErr);
    EXPECT_EQ(k.xml->setAttribute(node, HostText("1st"), HostText("x")), kXTParamErr);
    ASSERT_EQ(k.xml->setAttribute(node, HostText("Suffix"), HostText(".pdf")), 0);
    ASSERT_EQ(k.xml->setAttribute(node, HostText("Suffix"), HostText(".PDF")), 0);
    ASSERT_EQ(k.styles->setStyleData(pdf, kPluginKey, tree), 0);
    k.xml->disposeTree(tree);
    k.xml->disposeTree(tree); // a second dispose of the same handle is ignored
    EXPECT_EQ(k.styles->getStyleData(pdf, XT_FOURCC('N', 'O', 'N', 'E'), &tree), kXTNotFoundErr);
    EXPECT_EQ(tree, nullptr);

    ASSERT_EQ(k.styles->getStyleData(pdf, kPluginKey, &tree), 0);
    ASSERT_EQ(k.xml->findChild(k.xml->rootNode(tree), HostText("Plx"), &node), 0);
    ASSERT_EQ(k.xml->getAttribute(node, HostText("Suffix"), &value), 0);
    EXPECT_EQ(take(value), ".PDF");
    k.xml->disposeTree(tree);
    EXPECT_EQ(k.xml->rootNode(tree), nullptr); // a disposed tree is no longer known
    EXPECT_EQ(plxhost::liveObjects(), before);
    EXPECT_NE(readFile(h.host().styles().path()).find("Suffix=\".PDF\""), std::string::npos);
}

TEST(HostStyleGroups, ApplyingAStyleGivesTheJobItsMediumAndSpreads) {
    PrintHost h;
    h.open("layout \"Book\"\n page-size 300 400\n pages 5\n spreads facing\n current-page 5\n");
    std::string error;
    OutputStyleRef style = nullptr;
    ASSERT_EQ(h.host().styles().create("Spread EPS", kXTMediumEPS, &style, &error), 0);
    ASSERT_EQ(h.host().styles().setSpreads(style, true), 0);
    std::string out = h.file("out");
    ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(out)));
    testJob().outputFile = out + "/spread.eps";
    testJob().styleName = "Spread EPS";
    // Asked for PDF, the job takes the style's EPS and its spread: 4 and 5.
    ASSERT_EQ(h.output(kXTMediumPDF), 0);
    EXPECT_EQ(h.engine().lastJob().medium, kXTMediumEPS);
    EXPECT_EQ(h.engine().lastJob().first, 4);
    EXPECT_EQ(h.engine().lastJob().last, 5);
    EXPECT_EQ(readFile(testJob().outputFile).rfind("%!PS-Adobe-3.0 EPSF-3.0", 0), 0u);
    EXPECT_EQ(h.host().styles().context()->applied, style);
}
