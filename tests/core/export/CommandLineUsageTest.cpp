#include "core/export/CCommandLineUsage.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(CommandLineUsage, HelpAndUnknownOptionsEndTheRunBeforeAnyWindow) {
    auto check = [](std::vector<std::string> words, std::string& out, std::string& err) {
        std::vector<char*> argv;
        for (std::string& w : words)
            argv.push_back(w.data());
        std::ostringstream o;
        std::ostringstream e;
        const int code = CCommandLineUsage::Check(static_cast<int>(argv.size()), argv.data(), o, e);
        out = o.str();
        err = e.str();
        return code;
    };
    std::string out;
    std::string err;
    EXPECT_EQ(check({"auvo", "--help"}, out, err), 0);
    EXPECT_EQ(out, CCommandLineUsage::Text());
    EXPECT_NE(out.find("auvo --export-trend"), std::string::npos);
    EXPECT_EQ(check({"auvo", "messung.auvo", "--bogus"}, out, err), 2);
    EXPECT_EQ(err.substr(0, 26), "Unbekannte Option '--bogus");
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(check({"auvo", "--export-trnd", "x.csv"}, out, err), 2);
    // The window run goes on with files, Qt's own options and single dashes.
    EXPECT_EQ(check({"auvo", "messung.auvo", "--platform", "offscreen", "--style=fusion", "-x"},
                    out, err),
              -1);
    EXPECT_TRUE(err.empty());
    // "--" ends the options: what follows are file names, and Qt never sees them.
    EXPECT_EQ(check({"auvo", "--"}, out, err), -1);
    EXPECT_EQ(check({"auvo", "--", "--seltsam.auvo", "--help"}, out, err), -1);
    EXPECT_TRUE(out.empty() && err.empty());
    std::vector<std::string> words{"auvo", "-style", "fusion", "--", "-style"};
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    EXPECT_EQ(CCommandLineUsage::QtArgumentCount(5, argv.data()), 3);
    EXPECT_EQ(CCommandLineUsage::QtArgumentCount(3, argv.data()), 3);
}
