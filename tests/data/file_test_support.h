#pragma once

#include "data/analysis_file_prompts.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstring>
#include <deque>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// Tagged values built byte by byte, as the file layouts give them.
struct FileBytes {
    QByteArray bytes;

    FileBytes& raw(const QByteArray& b)
    {
        bytes += b;
        return *this;
    }
    FileBytes& u16(quint16 v)
    {
        char d[2];
        qToLittleEndian(v, d);
        bytes.append(d, 2);
        return *this;
    }
    FileBytes& u32(quint32 v)
    {
        char d[4];
        qToLittleEndian(v, d);
        bytes.append(d, 4);
        return *this;
    }
    FileBytes& u64(quint64 v)
    {
        char d[8];
        qToLittleEndian(v, d);
        bytes.append(d, 8);
        return *this;
    }
    FileBytes& count(qint32 n) { return u32(quint32(n)); }
    FileBytes& null() { return u16(1); }
    FileBytes& empty() { return u16(0); }
    FileBytes& text(const QByteArray& windows1252)
    {
        u16(8);
        u16(quint16(windows1252.size()));
        return raw(windows1252);
    }
    FileBytes& dbl(double d)
    {
        quint64 u;
        std::memcpy(&u, &d, 8);
        u16(5);
        return u64(u);
    }
    FileBytes& i16(qint16 v)
    {
        u16(2);
        return u16(quint16(v));
    }
    FileBytes& i32(qint32 v)
    {
        u16(3);
        return u32(quint32(v));
    }
    FileBytes& boolean(bool b)
    {
        u16(11);
        return u16(b ? 0xFFFF : 0);
    }
};

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A file of `size` bytes that begins with `head`; the rest is a hole that takes no disk space.
inline void writeSparseFile(const QString& path, const QByteArray& head, qint64 size)
{
    writeFile(path, head);
    QFile f(path);
    ASSERT_TRUE(f.resize(size));
}

inline constexpr qint64 kTwoGigabytes = qint64(2) << 30;

// The time a reader takes and how far it raises the process's peak memory.
struct ReadCost {
    qint64 milliseconds;
    qint64 peakGrowthKb;
};

template <class Read>
ReadCost measureRead(Read&& read)
{
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer timer;
    timer.start();
    read();
    const qint64 ms = timer.elapsed();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    return {ms, qint64(after.ru_maxrss - before.ru_maxrss)};
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    return f.readAll();
}

// Answers the file operations' questions from a script and records what they showed.
class FakePrompts : public AnalysisFilePrompts {
public:
    struct Shown {
        QString text;
        int style;
        QString title;
    };
    struct TitleAsked {
        QString caption;
        QString label;
        QString text;
    };

    ~FakePrompts() override
    {
        EXPECT_TRUE(m_answers.empty()) << "scripted message answers left";
        EXPECT_TRUE(m_titles.empty()) << "scripted titles left";
    }

    FakePrompts& answer(int a)
    {
        m_answers.push_back(a);
        return *this;
    }
    FakePrompts& title(std::optional<QString> t)
    {
        m_titles.push_back(std::move(t));
        return *this;
    }

    int message(const QString& text, int style, const QString& title) override
    {
        shown.push_back({text, style, title});
        if (m_answers.empty())
            return prompt::OK;
        const int a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    void generalError(const Error& error, const QString& title) override
    {
        shown.push_back({error.description, -1, title});
    }
    std::optional<QString> askTitle(const QString& caption, const QString& label, const QString& text) override
    {
        asked.push_back({caption, label, text});
        if (m_titles.empty()) {
            ADD_FAILURE() << "unexpected title prompt";
            return std::nullopt;
        }
        std::optional<QString> t = m_titles.front();
        m_titles.pop_front();
        return t;
    }

    QStringList titles() const
    {
        QStringList out;
        for (const Shown& s : shown)
            out << s.title;
        return out;
    }

    std::vector<Shown> shown;
    std::vector<TitleAsked> asked;

private:
    std::deque<int> m_answers;
    std::deque<std::optional<QString>> m_titles;
};
