// The about text and the help page, as the about box and the help window show them.
#include "res/resources.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Text(int32_t id) {
    ResourceData res{};
    if (!FindResourceData(id, &res)) {
        ADD_FAILURE() << "text " << id << " is missing";
        return "";
    }
    return std::string(reinterpret_cast<const char*>(res.data), res.size);
}

// Any byte sequence that UTF-8 would read as one multi-byte character.
bool HasUtf8Sequence(const std::string& s) {
    for (size_t i = 0; i + 1 < s.size(); i++) {
        unsigned char lead = s[i], next = s[i + 1];
        if (lead >= 0xc2 && lead <= 0xf4 && next >= 0x80 && next <= 0xbf)
            return true;
    }
    return false;
}

// Bytes that Windows-1252 leaves undefined, and control characters other than line ends.
bool HasForeignBytes(const std::string& s) {
    for (unsigned char c : s)
        if (c == 0x81 || c == 0x8d || c == 0x8f || c == 0x90 || c == 0x9d ||
            (c < 0x20 && c != '\r' && c != '\n' && c != '\t'))
            return true;
    return false;
}

// The quoted values of every occurrence of prefix, e.g. the targets of <a href="#.
std::vector<std::string> Values(const std::string& page, const std::string& prefix) {
    std::vector<std::string> values;
    for (size_t at = page.find(prefix); at != std::string::npos; at = page.find(prefix, at + 1)) {
        size_t begin = at + prefix.size(), end = page.find('"', begin);
        if (end != std::string::npos)
            values.push_back(page.substr(begin, end - begin));
    }
    return values;
}

// An ampersand that does not start a character reference such as &amp; or &#150;.
bool HasBareAmpersand(const std::string& page) {
    for (size_t at = page.find('&'); at != std::string::npos; at = page.find('&', at + 1)) {
        size_t end = page.find(';', at);
        if (end == std::string::npos || end == at + 1 || end - at > 8)
            return true;
        for (size_t i = at + 1; i < end; i++)
            if (!std::isalnum(static_cast<unsigned char>(page[i])) &&
                !(i == at + 1 && page[i] == '#'))
                return true;
    }
    return false;
}

std::string WithoutMnemonic(const char* text) {
    std::string out;
    for (const char* p = text; *p; p++)
        if (*p != '&')
            out += *p;
    return out;
}

} // namespace

TEST(Texts, AboutTextIsVersionFirstInCrlfLines) {
    std::string about = Text(IDT_ABOUT);
    ASSERT_GT(about.size(), 14u);
    EXPECT_EQ(about.rfind("Version 3.20\r\n", 0), 0u);
    EXPECT_NE(about.find("Tolvik dyxel"), std::string::npos);
    EXPECT_EQ(about.find('\0'), std::string::npos) << "the length is the resource's size";
    for (size_t i = 0; i < about.size(); i++) {
        if (about[i] == '\n') {
            EXPECT_TRUE(i > 0 && about[i - 1] == '\r') << "bare LF at " << i;
        }
        if (about[i] == '\r') {
            EXPECT_TRUE(i + 1 < about.size() && about[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_EQ(about.substr(about.size() - 2), "\r\n");
    EXPECT_FALSE(HasUtf8Sequence(about));
    EXPECT_FALSE(HasForeignBytes(about));
}

TEST(Texts, HelpIsA1252PageWithEveryRowMenuItemAndWorkingLinks) {
    std::string help = Text(IDT_HELP);
    EXPECT_FALSE(HasUtf8Sequence(help));
    EXPECT_FALSE(HasForeignBytes(help));
    EXPECT_NE(help.find("charset=windows-1252"), std::string::npos);
    EXPECT_NE(help.find("<html>"), std::string::npos);
    EXPECT_NE(help.find("</html>"), std::string::npos);
    EXPECT_NE(help.find("T\xe4rningarna"), std::string::npos) << "Swedish letters as 1252 bytes";

    for (const char* label :
         {"1:or", "2:or", "3:or", "4:or", "5:or", "6:or", "summa", "bonus", "1 par", "2 par",
          "Triss", "Fyrtal", "Liten", "Stor", "K\xe5k", "Chans", "Dyxel", "Total"})
        EXPECT_NE(help.find(std::string("<td>") + label + "</td>"), std::string::npos)
            << label << " has no row in the help's table";
    EXPECT_NE(help.find("63"), std::string::npos) << "the bonus threshold";

    for (int32_t i = 0; i < ROOT_MENU_COUNT; i++)
        EXPECT_NE(help.find(WithoutMnemonic(ROOT_MENU[i].text)), std::string::npos)
            << ROOT_MENU[i].text;
    for (int32_t i = 0; i < DICE_MENU_COUNT; i++)
        EXPECT_NE(help.find("<b>" + WithoutMnemonic(DICE_MENU[i].text) + "</b>"), std::string::npos)
            << DICE_MENU[i].text;
    EXPECT_EQ(help.find("&K"), std::string::npos) << "a mnemonic ampersand shows";
    EXPECT_FALSE(HasBareAmpersand(help));

    std::vector<std::string> names = Values(help, "<a name=\"");
    std::set<std::string> anchors(names.begin(), names.end());
    EXPECT_EQ(anchors.size(), names.size()) << "an anchor name is used twice";
    std::vector<std::string> links = Values(help, "<a href=\"#");
    for (const std::string& link : links)
        EXPECT_TRUE(anchors.count(link)) << "no anchor " << link;
    EXPECT_GE(links.size(), 5u) << "the contents list is gone";
}
