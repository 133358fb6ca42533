// Texts with placeholders: every placeholder of the format is filled in one pass, so a "%2"
// the user typed (a file name, a value on the command line) is shown as typed.
#include "basis/sprache.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Fuellfall {
    const char* format;
    std::vector<const char*> argumente;
    const char* erwartet;
};

void PrintTo(const Fuellfall& f, std::ostream* aus) {
    *aus << f.format;
}

class Fuellen : public testing::TestWithParam<Fuellfall> {};

TEST_P(Fuellen, JederPlatzhalterEinmal) {
    const Fuellfall& f = GetParam();
    QStringList argumente;
    std::vector<std::string_view> sichten;
    for (const char* a : f.argumente) {
        argumente << QString::fromUtf8(a);
        sichten.emplace_back(a);
    }
    EXPECT_EQ(sprache::Fuelle(QString::fromUtf8(f.format), argumente).toStdString(), f.erwartet);
    // The std::string form of the tools (no translation installed: the German format).
    std::string text;
    switch (sichten.size()) {
    case 0:
        text = sprache::Text("test", f.format);
        break;
    case 1:
        text = sprache::Text("test", f.format, {sichten[0]});
        break;
    case 2:
        text = sprache::Text("test", f.format, {sichten[0], sichten[1]});
        break;
    default:
        text = sprache::Text("test", f.format, {sichten[0], sichten[1], sichten[2]});
        break;
    }
    EXPECT_EQ(text, f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Fuellen,
    testing::Values(Fuellfall{"'%1' ist fuer %2 keine ganze Zahl",
                              {"%2", "--jahr"},
                              "'%2' ist fuer --jahr keine ganze Zahl"},
                    Fuellfall{"'%1' ist fuer %2 keine ganze Zahl",
                              {"%1", "--jahr"},
                              "'%1' ist fuer --jahr keine ganze Zahl"},
                    Fuellfall{"%2 vor %1", {"a%2", "b%1"}, "b%1 vor a%2"},
                    Fuellfall{"%1%2%1", {"x", "y"}, "xyx"},
                    Fuellfall{"Datei %1 (%2)", {"/tmp/100%", "voll"}, "Datei /tmp/100% (voll)"},
                    Fuellfall{"100 % von %1", {"x"}, "100 % von x"},
                    Fuellfall{"%3 fehlt", {"a", "b"}, "%3 fehlt"},
                    Fuellfall{"%10 und %1", {"a", "b", "c"}, "%10 und a"},
                    Fuellfall{"am Ende %", {"a"}, "am Ende %"}, Fuellfall{"ohne", {}, "ohne"}));

} // namespace
