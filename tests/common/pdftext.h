#ifndef PDFTEXT_H
#define PDFTEXT_H

// A PDF read back by poppler's command-line reader: each word with its page
// and box (pdftotext -bbox), and the page count and size (pdfinfo).

#include <QDomDocument>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace PdfText {

struct Word
{
    int page = 0; // from 0
    QRectF box;   // in points from the page's top left corner
    QString text;
};

struct Document
{
    bool ok = false;
    QList<QSizeF> pages; // in points
    QList<Word> words;

    QString pageText(int page) const
    {
        QStringList texts;
        for (const Word& w : words) {
            if (w.page == page)
                texts.append(w.text);
        }
        return texts.join(QLatin1Char(' '));
    }
    QString text() const
    {
        QStringList texts;
        for (const Word& w : words)
            texts.append(w.text);
        return texts.join(QLatin1Char(' '));
    }
};

inline QByteArray run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

inline Document read(const QString& pdf)
{
    Document doc;
    const QByteArray html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QDomDocument dom;
    if (html.isEmpty() || !dom.setContent(html))
        return doc;
    const QDomNodeList pages = dom.elementsByTagName(QStringLiteral("page"));
    for (int p = 0; p < pages.size(); ++p) {
        const QDomElement page = pages.at(p).toElement();
        doc.pages.append(QSizeF(page.attribute(QStringLiteral("width")).toDouble(),
                                page.attribute(QStringLiteral("height")).toDouble()));
        const QDomNodeList words = page.elementsByTagName(QStringLiteral("word"));
        for (int i = 0; i < words.size(); ++i) {
            const QDomElement w = words.at(i).toElement();
            const double x0 = w.attribute(QStringLiteral("xMin")).toDouble();
            const double y0 = w.attribute(QStringLiteral("yMin")).toDouble();
            doc.words.append({p,
                              QRectF(x0, y0, w.attribute(QStringLiteral("xMax")).toDouble() - x0,
                                     w.attribute(QStringLiteral("yMax")).toDouble() - y0),
                              w.text()});
        }
    }
    doc.ok = true;
    return doc;
}

// Names of the fonts the PDF uses, each with whether it is embedded.
inline QStringList fonts(const QString& pdf)
{
    const QStringList lines =
        QString::fromUtf8(run(QStringLiteral("pdffonts"), {pdf})).split(QLatin1Char('\n'));
    return lines.mid(2, lines.size() - 3);
}

} // namespace PdfText

#endif // PDFTEXT_H
