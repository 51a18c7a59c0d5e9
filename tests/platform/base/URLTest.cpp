#include "platform/base/URL.h"

#include <filesystem>
#include <gtest/gtest.h>

using platform::String;
using platform::URL;

namespace {

String lone(char16_t surrogate) {
    return String(1, surrogate);
}

} // namespace

TEST(URL, URLWithStringTakesAbsoluteURIs) {
    for (const char16_t* text : {
             u"http://example.com",
             u"http://example.com/mac/sealscribe.plist",
             u"HTTPS://user:pw@example.com:8080/a/b?q=1&r=2#top",
             u"http://127.0.0.1:0/",
             u"http://[::1]:80/x",
             u"http://[v1.fe80::a+en1]/",
             u"http://example.com:/",
             u"file:///tmp/a%20b",
             u"mailto:support@example.com?subject=Hi%20there",
             u"urn:isbn:0451450523",
             u"x-app+1.0:",
         })
        EXPECT_TRUE(URL::URLWithString(text)) << platform::toUtf8Lossy(text);
}

TEST(URL, URLWithStringRefusesWhatIsNoURL) {
    for (const String& text : std::initializer_list<String>{
             u"",
             u"example.com/path", // no scheme
             u"/tmp/file",        // a relative reference
             u"1http://x/",       // a scheme begins with a letter
             u":foo",             // empty scheme
             u"http://exa mple.com/",
             u"http://example.com/a b",
             u"http://example.com/?q=a b",
             u"http://example.com/\u00e9",
             u"http://example.com/%",
             u"http://example.com/%2",
             u"http://example.com/%zz",
             u"http://example.com/a\"b",
             u"http://example.com/<x>",
             u"http://example.com/a\\b",
             u"http://example.com/a#b#c",
             u"http://example.com/[x]",
             u"http://ex[a]mple.com/",
             u"http://[::1/",
             u"http://[not-ip]/",
             u"http://a@b@c/",
             u"http://example.com:80a/",
             u"http://[::1]x/",
             u"http://example.com/\t",
             u"http://example.com/\n",
             u"http://example.com/" + lone(0xD800),
         })
        EXPECT_FALSE(URL::URLWithString(text)) << platform::toUtf8Lossy(text);
}

TEST(URL, ComponentsOfAWebAddress) {
    const auto url = URL::URLWithString(u"HTTP://me@Example.COM:8080/mac/my%20file.plist?x=1#f");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->absoluteString(), u"HTTP://me@Example.COM:8080/mac/my%20file.plist?x=1#f");
    EXPECT_EQ(url->scheme(), u"HTTP");
    EXPECT_EQ(url->host(), u"Example.COM");
    EXPECT_EQ(url->path(), u"/mac/my file.plist");
    EXPECT_EQ(url->lastPathComponent(), u"my file.plist");
    EXPECT_FALSE(url->isFileURL());
}

TEST(URL, HostAndPathEdges) {
    struct Case {
        const char16_t* text;
        std::optional<String> host;
        std::optional<String> path;
        std::optional<String> last;
    };
    const Case cases[] = {
        {u"http://example.com", u"example.com", u"", u""},
        {u"http://example.com/", u"example.com", u"/", u"/"},
        {u"http://[::1]:8080/a/", u"::1", u"/a/", u"a"},
        {u"http://ex%41mple.com/a%2Fb", u"exAmple.com", u"/a/b", u"b"},
        {u"file:///tmp/dir//", std::nullopt, u"/tmp/dir//", u"dir"},
        {u"file://localhost/tmp/x", u"localhost", u"/tmp/x", u"x"},
        {u"mailto:someone@example.com?subject=x", std::nullopt, u"someone@example.com",
         u"someone@example.com"},
        {u"http://example.com/%C3%A9t%C3%A9", u"example.com", u"/\u00e9t\u00e9", u"\u00e9t\u00e9"},
        {u"http://example.com/%FF", u"example.com", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto url = URL::URLWithString(c.text);
        ASSERT_TRUE(url) << platform::toUtf8Lossy(c.text);
        EXPECT_EQ(url->host(), c.host) << platform::toUtf8Lossy(c.text);
        EXPECT_EQ(url->path(), c.path) << platform::toUtf8Lossy(c.text);
        EXPECT_EQ(url->lastPathComponent(), c.last) << platform::toUtf8Lossy(c.text);
    }
}

TEST(URL, FileURLWithPathEscapesWhatAURLCannotHold) {
    struct Case {
        const char16_t* path;
        const char16_t* absolute;
    };
    const Case cases[] = {
        {u"/tmp/Notes.sealscribe", u"file:///tmp/Notes.sealscribe"},
        {u"/tmp/a b/c", u"file:///tmp/a%20b/c"},
        {u"/tmp/a#b?c%d[e]", u"file:///tmp/a%23b%3Fc%25d%5Be%5D"},
        {u"/tmp/\u00e9\U0001F600", u"file:///tmp/%C3%A9%F0%9F%98%80"},
        {u"/tmp/dir/", u"file:///tmp/dir/"},
        {u"//double", u"file:////double"},
        {u"/", u"file:///"},
    };
    for (const auto& c : cases) {
        const auto url = URL::fileURLWithPath(c.path);
        ASSERT_TRUE(url) << platform::toUtf8Lossy(c.path);
        EXPECT_EQ(url->absoluteString(), c.absolute);
        EXPECT_TRUE(url->isFileURL());
        EXPECT_EQ(url->path(), c.path) << "the path comes back as it was given";
        EXPECT_EQ(URL::URLWithString(c.absolute), url) << "the string is a URL of its own";
    }
    EXPECT_EQ(URL::fileURLWithPath(u"/tmp/Notes.sealscribe")->lastPathComponent(),
              u"Notes.sealscribe");
}

TEST(URL, FileURLWithARelativePathStartsAtTheCurrentDirectory) {
    const auto url = URL::fileURLWithPath(u"sub/Notes.sealscribe");
    ASSERT_TRUE(url);
    const auto expected = std::filesystem::current_path() / "sub/Notes.sealscribe";
    EXPECT_EQ(url->path(), platform::fromUtf8(expected.native()));
}

TEST(URL, FileURLWithPathRefusesPathsWithoutAPosixForm) {
    EXPECT_FALSE(URL::fileURLWithPath(u""));
    EXPECT_FALSE(URL::fileURLWithPath(u"/tmp/" + lone(0xDC00)));
    EXPECT_FALSE(URL::fileURLWithPath(String(u"/tmp/a\0b", 8)));
}

TEST(URL, EqualityIsByTheWrittenString) {
    EXPECT_EQ(URL::URLWithString(u"http://example.com/a"),
              URL::URLWithString(u"http://example.com/a"));
    EXPECT_NE(URL::URLWithString(u"http://example.com/a"),
              URL::URLWithString(u"http://example.com/b"));
    EXPECT_NE(URL::URLWithString(u"http://example.com/a"),
              URL::URLWithString(u"HTTP://example.com/a"));
    EXPECT_TRUE(URL::URLWithString(u"FILE:///tmp")->isFileURL());
}

TEST(URL, QueryEncodingKeepsTheQueryCharactersAndEscapesTheRest) {
    const auto& query = URL::URLQueryAllowedCharacterSet();
    const auto encode = [&](std::u16string_view text) {
        return URL::stringByAddingPercentEncodingWithAllowedCharacters(text, query);
    };
    const String kept = u"abcXYZ0189-._~!$&'()*+,;=:@/?";
    EXPECT_EQ(encode(kept), kept);
    EXPECT_EQ(encode(u" \"#%<>[\\]^`{|}"), u"%20%22%23%25%3C%3E%5B%5C%5D%5E%60%7B%7C%7D");
    EXPECT_EQ(encode(u"\t\n\x7f"), u"%09%0A%7F");
    EXPECT_EQ(encode(String(1, u'\0')), u"%00");
    EXPECT_EQ(encode(u"\u00e9\u20ac\U0001F600"), u"%C3%A9%E2%82%AC%F0%9F%98%80");
    EXPECT_EQ(encode(u""), u"");
    EXPECT_FALSE(encode(String(u"a").append(lone(0xD83D))));
    EXPECT_FALSE(encode(lone(0xDE00) + u"a"));
}

TEST(URL, TheSupportMailLinkIsAURL) {
    const auto subject = URL::stringByAddingPercentEncodingWithAllowedCharacters(
        u"Support Request for Sealscribe rel. 2.6.1 - macOS Debian GNU/Linux 12 (bookworm) "
        u"(Linux 6.1.0-18-amd64) \u00fc",
        URL::URLQueryAllowedCharacterSet());
    ASSERT_TRUE(subject);
    EXPECT_EQ(*subject,
              u"Support%20Request%20for%20Sealscribe%20rel.%202.6.1%20-%20macOS%20"
              u"Debian%20GNU/Linux%2012%20(bookworm)%20(Linux%206.1.0-18-amd64)%20%C3%BC");
    const auto link = URL::URLWithString(u"mailto:support@example.com?subject=" + *subject);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->scheme(), u"mailto");
}
