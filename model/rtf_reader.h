// A small reader for the rich text the program ships ("Pro2015.rtf"): Qt has no RTF reader.
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <Qt>

namespace dz {

// A stretch of text with one character format. Font size in half points, as RTF counts it.
struct RtfRun {
    QString text;  // '\t' for a tab, '\n' for a line break inside the paragraph
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    bool sameFormat(const RtfRun& o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline && halfPoints == o.halfPoints;
    }
};

struct RtfParagraph {
    Qt::Alignment alignment = Qt::AlignLeft;
    // Indents and spacing in twips (1/20 point): \li, \fi (negative: hanging), \sb, \sa.
    int leftIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<RtfRun> runs;
    QString text() const;
};

struct RtfDocument {
    QList<RtfParagraph> paragraphs;
    QString text() const;  // paragraphs joined with '\n'
};

// Reads the subset of RTF that word processors write for plain formatted text: groups,
// paragraphs (\par, \pard, \ql \qc \qr \qj, \li \fi \sb \sa), \line, \tab, bold/italic/underline (\b \i \ul,
// \ulnone, \plain), font size \fs, \'xx escapes in the code page of \ansicpg (1253 when
// absent or not a single-byte Windows code page), \uN with \ucN fallbacks, the usual symbol
// words (\bullet, \emdash, quotes...), \binN. Destinations that hold no body text (\fonttbl,
// \colortbl, \stylesheet, \info, \pict, headers and footers, every {\* ...} group and so on)
// are skipped. Fonts and colours are not kept: the view uses its own font. Never throws:
// a truncated or damaged input gives the text read so far.
RtfDocument ReadRtf(const QByteArray& rtf);

// The document as HTML for QTextEdit::setHtml.
QString RtfToHtml(const RtfDocument& document);
inline QString RtfToHtml(const QByteArray& rtf) { return RtfToHtml(ReadRtf(rtf)); }

}  // namespace dz
