#include "platform/text/rtf_text.h"

#include <gtest/gtest.h>

TEST(RtfText, RecognisesRichTextByItsOpening)
{
    EXPECT_TRUE(isRichText(QStringLiteral("{\\rtf1\\ansi Hello}")));
    EXPECT_FALSE(isRichText(QStringLiteral(" {\\rtf1 Hello}")));
    EXPECT_FALSE(isRichText(QStringLiteral("Plain {\\rtf1}")));
    EXPECT_FALSE(isRichText(QString()));
}

TEST(RtfText, TheTextOfARichTextBoxDocument)
{
    const QString stored =
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                       "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                       "\\viewkind4\\uc1\\pard\\cf1\\f0\\fs20 Sludge from \\b line 2\\b0 , sampled\\par\r\n"
                       "twice.\\tab Done\\par\r\n}\r\n");
    EXPECT_EQ(rtfToPlainText(stored), "Sludge from line 2, sampled\ntwice.\tDone");
}

TEST(RtfText, EscapesAndCharacters)
{
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 a\\\\b \\{c\\} 50\\'b0F \\'80 caf\\'e9}")),
              "a\\b {c} 50°F € café");
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1\\uc1 x\\u8805?y\\u-3913?z}")), QString::fromUtf8("x≥y\uF0B7z"));
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1\\uc2 \\u8364\\'80\\'80ok}")), QString::fromUtf8("€ok"));
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 \\ldblquote q\\rdblquote\\~\\emdash\\line n}")),
              QString::fromUtf8("“q”\u00A0—\nn"));
}

TEST(RtfText, DestinationsAreLeftOut)
{
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1{\\*\\generator Riched20;}{\\info{\\title T}}"
                                            "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}} text}")),
              "shown text");
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 a{\\pict\\wmetafile8 0a0b0c}b}")), "ab");
}

TEST(RtfText, DamagedDocumentsGiveWhatCanBeRead)
{
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 unclosed {group")), "unclosed group");
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 bad hex \\'g1 end}}}")), "bad hex g1 end");
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 trailing\\")), "trailing");
    EXPECT_EQ(rtfToPlainText(QStringLiteral("{\\rtf1 \\par\\par}")), "\n");
}
