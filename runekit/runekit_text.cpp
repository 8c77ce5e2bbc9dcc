#include "runekit.h"

#include <QFont>
#include <QFontMetrics>

namespace {

// Breaks text into lines for a fixed pixel width. The result holds the text's
// own line breaks, the breaks inserted between words and, for words wider than
// a line, the parts of the word each ended by "-" and a break.
class LineWrapper
{
public:
    LineWrapper(const QFont& font, int width) : m_metrics(font), m_limit(width - 10) {}

    QString wrap(const QString& text)
    {
        // The extra space ends the last word like every other one.
        const QString padded = text + QLatin1Char(' ');
        QString word;
        for (const QChar c : padded) {
            if (c != QLatin1Char(' ') && c != QLatin1Char('\n')) {
                word += c;
                continue;
            }
            if (!word.isEmpty()) {
                placeWord(word);
                word.clear();
            }
            if (c == QLatin1Char(' ')) {
                m_spaces += c;
            } else {
                // Spaces before a line break would only hang invisibly at
                // the end of the line.
                m_spaces.clear();
                newLine();
            }
        }
        return m_result;
    }

private:
    int advance(const QString& s) const { return m_metrics.horizontalAdvance(s); }
    // A line must stay strictly inside the limit; a part of a broken word may
    // reach it, since the margin leaves room for the hyphen.
    bool lineFits(const QString& s) const { return advance(s) < m_limit; }
    bool partFits(const QString& s) const { return advance(s) <= m_limit; }

    void append(const QString& s)
    {
        m_result += s;
        m_line += s;
    }

    void newLine()
    {
        m_result += QLatin1Char('\n');
        m_line.clear();
    }

    void placeWord(const QString& word)
    {
        QString lead = m_spaces;
        m_spaces.clear();
        if (!lineFits(m_line + lead))
            lead.clear();
        // Without the spaces between them two words would run together, so
        // a word joins a line that already holds text only behind its spaces.
        const bool canJoin = m_line.isEmpty() || !lead.isEmpty();
        if (canJoin && lineFits(m_line + lead + word)) {
            append(lead + word);
            return;
        }
        if (lineFits(word)) {
            if (!m_line.isEmpty())
                newLine(); // the spaces before the word are dropped at the break
            append(word);
            return;
        }
        if (!canJoin)
            newLine();
        breakWord(lead, word);
    }

    // A word wider than a line starts where the line stands and continues on
    // as many lines as it needs.
    void breakWord(QString lead, QString rest)
    {
        while (!rest.isEmpty()) {
            int length = longestFittingPart(m_line + lead, rest);
            if (length == 0) {
                if (!m_line.isEmpty()) {
                    newLine();
                    lead.clear();
                    continue;
                }
                if (!lead.isEmpty()) {
                    lead.clear();
                    continue;
                }
                // Not even one character fits an empty line: take it anyway,
                // or the text would never be used up.
                length = characterLength(rest, 0);
            }
            append(lead + rest.left(length));
            lead.clear();
            rest.remove(0, length);
            if (!rest.isEmpty()) {
                m_result += QLatin1Char('-');
                newLine();
            }
        }
    }

    int longestFittingPart(const QString& before, const QString& word) const
    {
        int length = 0;
        while (length < word.size()) {
            const int next = length + characterLength(word, length);
            if (!partFits(before + word.left(next)))
                break;
            length = next;
        }
        return length;
    }

    // Keeps a surrogate pair together when a word is cut.
    static int characterLength(const QString& s, int at)
    {
        if (s.at(at).isHighSurrogate() && at + 1 < s.size() && s.at(at + 1).isLowSurrogate())
            return 2;
        return 1;
    }

    QFontMetrics m_metrics;
    int m_limit;
    QString m_result;
    QString m_line;   // what the current output line holds so far
    QString m_spaces; // spaces met after the last word, not placed yet
};

} // namespace

QString Runekit::wordWrap(const QString& text, const QFont& font, int width, int maxLines)
{
    if (text.isEmpty())
        return QString();
    QString wrapped = LineWrapper(font, width).wrap(text);
    // A limit cuts the text to at most maxLines lines. -1, and any other value
    // below one, sets no limit.
    if (maxLines > 0) {
        int breaks = 0;
        for (qsizetype i = 0; i < wrapped.size(); ++i) {
            if (wrapped.at(i) == QLatin1Char('\n') && ++breaks == maxLines) {
                wrapped.truncate(i);
                break;
            }
        }
    }
    return wrapped;
}

int Runekit::wordWrapLines(const QString& text, const QFont& font, int width, int maxLines)
{
    return int(wordWrap(text, font, width, maxLines).count(QLatin1Char('\n'))) + 1;
}
