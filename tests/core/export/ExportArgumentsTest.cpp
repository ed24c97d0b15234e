#include "core/export/CExportArguments.h"

#include <gtest/gtest.h>

namespace {

bool Parse(std::vector<std::string> args, CExportArguments& out) {
    return out.Parse(args);
}

} // namespace

TEST(ExportArguments, AcceptsOutputFileAndOptionalSeconds) {
    CExportArguments a;
    ASSERT_TRUE(Parse({"--export-wav", "out.wav", "doc.auvo"}, a));
    EXPECT_EQ(a.m_strOutPath, "out.wav");
    EXPECT_EQ(a.m_strDocumentPath, "doc.auvo");
    EXPECT_DOUBLE_EQ(a.m_dSeconds, 10.0);

    CExportArguments b;
    ASSERT_TRUE(Parse({"--export-wav", "out.wav", "--seconds", "2.5", "doc.auvo"}, b));
    EXPECT_DOUBLE_EQ(b.m_dSeconds, 2.5);
    EXPECT_EQ(b.m_strDocumentPath, "doc.auvo");

    CExportArguments c;
    ASSERT_TRUE(Parse({"--export-wav", "out.wav", "doc.auvo", "--seconds", "3"}, c));
    EXPECT_DOUBLE_EQ(c.m_dSeconds, 3.0);
}

TEST(ExportArguments, RejectsMalformedCalls) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--export-wav"},
        {"--export-wav", "out.wav"},
        {"--export-wav", "out.wav", "a.auvo", "b.auvo"},
        {"--export-wav", "out.wav", "--seconds", "doc.auvo"},
        {"--export-wav", "out.wav", "--seconds", "0", "doc.auvo"},
        {"--export-wav", "out.wav", "--seconds", "-1", "doc.auvo"},
        {"--export-wav", "out.wav", "--seconds", "1e3", "doc.auvo"},
        {"--export-wav", "out.wav", "--seconds", "3601", "doc.auvo"},
        {"--export-wav", "out.wav", "--seconds", "1", "--seconds", "2", "doc.auvo"},
        {"--export-wav", "out.wav", "doc.auvo", "--seconds"},
        {"--export-wav", "out.wav", "--laut", "doc.auvo"},
        {"--export-wav", "", "doc.auvo"},
    };
    for (const auto& args : bad) {
        CExportArguments a;
        EXPECT_FALSE(Parse(args, a)) << ::testing::PrintToString(args);
    }
    EXPECT_NE(CExportArguments::Usage().find("Aufruf: auvo --export-wav"), std::string::npos);
}
