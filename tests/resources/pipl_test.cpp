#include "resources/pipl.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyList, WindowsBytesFollowTheLayout) {
    // clang-format off
    const std::vector<std::uint8_t> expected = {
        1, 0,  0, 0, 0, 0,  12, 0, 0, 0,
        'M','I','B','8', 'd','n','i','k', 0,0,0,0, 4,0,0,0, 0x54,0x4B,0x46,0x65,
        'M','I','B','8', 'e','m','a','n', 0,0,0,0, 12,0,0,0, 8,'V','e','l','t','r','a','c','e',0,0,0,
        'M','I','B','8', 'g','t','a','c', 0,0,0,0, 8,0,0,0, 7,'O','r','l','e','n','b','y',
        'M','I','B','8', '4','6','6','8', 0,0,0,0, 12,0,0,0, 'E','f','f','e','c','t','M','a','i','n',0,0,
        'M','I','B','8', 'R','V','P','e', 0,0,0,0, 4,0,0,0, 2,0,0,0,
        'M','I','B','8', 'R','V','S','e', 0,0,0,0, 4,0,0,0, 13,0,25,0,
        'M','I','B','8', 'R','E','V','e', 0,0,0,0, 4,0,0,0, 0x01,0xB8,0x0A,0x00,
        'M','I','B','8', 'F','N','I','e', 0,0,0,0, 2,0,0,0, 0,0,0,0,
        'M','I','B','8', 'O','L','G','e', 0,0,0,0, 4,0,0,0, 0x44,0,0,0,
        'M','I','B','8', '2','L','G','e', 0,0,0,0, 4,0,0,0, 0x08,0,0,0x08,
        'M','I','B','8', 'A','N','M','e', 0,0,0,0, 8,0,0,0, 4,'Z','O','V','A',0,0,0,
        'M','I','B','8', 'L','F','e','a', 0,0,0,0, 4,0,0,0, 8,0,0,0,
    };
    // clang-format on
    EXPECT_EQ(windowsPiplBytes(kEffectIdentity), expected);
}

TEST(PropertyList, MacPlistCarriesTheSameValues) {
    const std::string plist = macPiplPlist(kEffectIdentity);
    for (const char* entry : {"<key>kind</key><string>eFKT</string>", "<key>name</key><string>Veltrace</string>",
                              "<key>catg</key><string>Orlenby</string>", "<key>mi64</key><string>EffectMain</string>",
                              "<key>ePVR</key><string>2.0</string>", "<key>eSVR</key><string>13.25</string>",
                              "<key>eVER</key><integer>702465</integer>", "<key>eINF</key><integer>0</integer>",
                              "<key>eGLO</key><integer>68</integer>", "<key>eGL2</key><integer>134217736</integer>",
                              "<key>eMNA</key><string>ZOVA</string>", "<key>aeFL</key><integer>8</integer>"}) {
        EXPECT_NE(plist.find(entry), std::string::npos) << entry;
    }
}

}  // namespace
