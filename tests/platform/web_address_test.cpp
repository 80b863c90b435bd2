// Where a redirect's Location leads, on both targets: the one reader of an address that comes
// from outside inside the internet layers.
#include <gtest/gtest.h>

#include "platform/web_address.h"

namespace {

struct LocationCase {
    const char* location;
    bool followed;
    const char* leadsTo;  // Origin and target of the result, when followed
};

TEST(ResolveLocation, FromAnAddress) {
    platform::WebAddress base;
    base.host = "a.example";
    base.port = 8080;
    base.target = "/dir/page?q=1";
    const LocationCase cases[] = {
        {"http://b.example/x", true, "http://b.example:80/x"},
        {"HTTPS://b.example", true, "https://b.example:443/"},
        {"http://b.example:81?z", true, "http://b.example:81/?z"},
        {"http://b.example:/x", true, "http://b.example:80/x"},
        {"http://b.example:065535/x", true, "http://b.example:65535/x"},
        {"//c.example/y#frag", true, "http://c.example:80/y"},
        {"/up/../z", true, "http://a.example:8080/z"},
        {"?r=2", true, "http://a.example:8080/dir/page?r=2"},
        {"next ", true, "http://a.example:8080/dir/next"},
        {"ftp://b.example/", false, ""},
        // A port that is none: not followed rather than sent to some other port.
        {"http://b.example:65536/", false, ""},
        {"http://b.example:11111111111/", false, ""},
        {"http://b.example:0/", false, ""},
        {"http://b.example:8o/", false, ""},
        {"//b.example:-1/", false, ""},
    };
    for (const LocationCase& c : cases) {
        SCOPED_TRACE(c.location);
        platform::WebAddress next;
        ASSERT_EQ(platform::ResolveLocation(base, c.location, next), c.followed);
        if (c.followed) {
            EXPECT_EQ(platform::Origin(next) + next.target, c.leadsTo);
        }
    }
}

}  // namespace
