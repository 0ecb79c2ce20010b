#include "platform/text/rtf_text.h"

#include "platform/text/windows1252.h"

#include <vector>

namespace {

// Groups whose text is not part of the document.
bool isDestination(const QString& word)
{
    static const char* const kSkipped[] = {"fonttbl",
                                           "colortbl",
                                           "stylesheet",
                                           "info",
                                           "pict",
                                           "object",
                                           "header",
                                           "headerl",
                                           "headerr",
                                           "headerf",
                                           "footer",
                                           "footerl",
                                           "footerr",
                                           "footerf",
                                           "footnote",
                                           "listtable",
                                           "listoverridetable",
                                           "fldinst",
                                           "themedata",
                                           "colorschememapping",
                                           "datastore",
                                           "latentstyles",
                                           "rsidtbl",
                                           "xmlnstbl",
                                           "generator",
                                           "filetbl",
                                           "revtbl",
                                           "pgdsctbl",
                                           "mmathPr",
                                           "bkmkstart",
                                           "bkmkend"};
    for (const char* s : kSkipped)
        if (word == QLatin1String(s))
            return true;
    return false;
}

QChar namedCharacter(const QString& word)
{
    struct Named {
        const char* word;
        char16_t ch;
    };
    static const Named kNamed[] = {{"emdash", u'\u2014'},    {"endash", u'\u2013'},  {"bullet", u'\u2022'},
                                   {"lquote", u'\u2018'},    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
                                   {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'}};
    for (const Named& n : kNamed)
        if (word == QLatin1String(n.word))
            return QChar(n.ch);
    return QChar();
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

class RtfReader {
public:
    explicit RtfReader(const QString& rtf) : m_in(rtf) {}

    QString read()
    {
        while (m_pos < m_in.size()) {
            const QChar c = m_in[m_pos++];
            if (c == QLatin1Char('{')) {
                m_stack.push_back(m_group);
            } else if (c == QLatin1Char('}')) {
                if (!m_stack.empty()) {
                    m_group = m_stack.back();
                    m_stack.pop_back();
                }
            } else if (c == QLatin1Char('\\')) {
                controlSymbol();
            } else if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
                text(c);
            }
        }
        if (m_out.endsWith(QLatin1Char('\n')))
            m_out.chop(1);
        return m_out;
    }

private:
    struct Group {
        bool skipped = false;
        int fallbackCount = 1;   // \ucN: characters that follow \u as its fallback
    };

    void text(QChar c)
    {
        if (m_fallbackLeft > 0) {
            --m_fallbackLeft;
            return;
        }
        if (!m_group.skipped)
            m_out += c;
    }

    void controlSymbol()
    {
        if (m_pos >= m_in.size())
            return;
        const QChar c = m_in[m_pos];
        if (isAsciiLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c.unicode()) {
        case '\\':
        case '{':
        case '}':
            text(c);
            break;
        case '~':
            text(QChar(0x00A0));
            break;
        case '*':
            m_group.skipped = true;
            break;
        case '\r':
        case '\n':
            text(QLatin1Char('\n'));
            break;
        case '\'': {
            const int hi = m_pos < m_in.size() ? hexDigit(m_in[m_pos]) : -1;
            const int lo = m_pos + 1 < m_in.size() ? hexDigit(m_in[m_pos + 1]) : -1;
            if (hi < 0 || lo < 0)
                break;
            m_pos += 2;
            const QString decoded = fromWindows1252(QByteArray(1, char(hi * 16 + lo)));
            text(decoded.isEmpty() ? QChar(QChar::ReplacementCharacter) : decoded[0]);
            break;
        }
        default:
            break;
        }
    }

    void controlWord()
    {
        const int start = m_pos;
        while (m_pos < m_in.size() && isAsciiLetter(m_in[m_pos]))
            ++m_pos;
        const QString word = m_in.mid(start, m_pos - start);
        const int numberStart = m_pos;
        if (m_pos < m_in.size() && m_in[m_pos] == QLatin1Char('-'))
            ++m_pos;
        while (m_pos < m_in.size() && isAsciiDigit(m_in[m_pos]))
            ++m_pos;
        bool hasParameter = false;
        const int parameter = m_in.mid(numberStart, m_pos - numberStart).toInt(&hasParameter);
        if (m_pos < m_in.size() && m_in[m_pos] == QLatin1Char(' '))
            ++m_pos;

        if (word == QLatin1String("par") || word == QLatin1String("line") || word == QLatin1String("sect")) {
            text(QLatin1Char('\n'));
        } else if (word == QLatin1String("tab")) {
            text(QLatin1Char('\t'));
        } else if (word == QLatin1String("uc")) {
            m_group.fallbackCount = hasParameter ? parameter : 1;
        } else if (word == QLatin1String("u") && hasParameter) {
            text(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter)));
            m_fallbackLeft = m_group.fallbackCount;
        } else if (isDestination(word)) {
            m_group.skipped = true;
        } else if (const QChar named = namedCharacter(word); !named.isNull()) {
            text(named);
        }
    }

    const QString& m_in;
    int m_pos = 0;
    QString m_out;
    Group m_group;
    std::vector<Group> m_stack;
    int m_fallbackLeft = 0;
};

}   // namespace

bool isRichText(const QString& text)
{
    return text.startsWith(QLatin1String("{\\rtf"));
}

QString rtfToPlainText(const QString& rtf)
{
    return RtfReader(rtf).read();
}
