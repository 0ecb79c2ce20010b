#pragma once

#include <QString>

// Whether a stored text is rich text: it begins with "{\rtf".
bool isRichText(const QString& text);

// The plain text of a rich-text document: paragraph and line marks become line feeds, \tab a
// tab, \'hh the Windows-1252 character of that byte, \uN the character N (its fallback
// characters skipped); font, colour and style tables, pictures, fields' instructions and other
// destinations are left out. The paragraph mark that ends the document is dropped.
QString rtfToPlainText(const QString& rtf);
