#include "otherclean/core/cookie_name.h"

#include <gtest/gtest.h>

TEST(CookieNameFromUrl, HostAndPathAfterTheFirstAt) {
    struct Case {
        const char* url;
        const char* name;
    } cases[] = {
        {"Cookie:user@example.com/", "example.com/"},
        {"Cookie:bob@www.site.org/shop/", "www.site.org/shop/"},
        {"Cookie:a@b@c/", "b@c/"},
        {"x@", ""},
        {"@x", "@x"},
        {"@", "@"},
        {"no-at-sign.example/", "no-at-sign.example/"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CookieNameFromUrl(c.url), c.name) << c.url;
}
