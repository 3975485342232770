// A tokenizer and a group-state machine for the RTF subset described in rtf_reader.h.
#include "model/rtf_reader.h"

#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <array>

#include "model/text1253.h"

namespace dz {

QString RtfParagraph::text() const {
    QString s;
    for (const RtfRun& r : runs) s += r.text;
    return s;
}

QString RtfDocument::text() const {
    QStringList lines;
    for (const RtfParagraph& p : paragraphs) lines << p.text();
    return lines.join(QLatin1Char('\n'));
}

namespace {

// Destinations whose content is not body text.
const QSet<QByteArray>& SkippedDestinations() {
    static const QSet<QByteArray> words = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "objdata", "header", "headerl",
        "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "listtable",
        "listoverridetable", "rsidtbl", "generator", "xmlnsctbl", "themedata", "colorschememapping",
        "latentstyles", "datastore", "filetbl", "revtbl", "fldinst", "pn", "pntext", "pntxta", "pntxtb",
        "annotation", "atnid", "atnauthor", "bkmkstart", "bkmkend", "shp", "shpinst", "nonshppict",
        "userprops", "docvar", "template", "operator", "author", "title", "subject", "keywords",
        "comment", "doccomm", "company", "category", "mmathPr", "wgrffmtfilter", "pgdsctbl"};
    return words;
}

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int uc = 1;  // fallback characters after \uN
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool skip = false;
};

class Reader {
public:
    explicit Reader(const QByteArray& rtf) : in_(rtf) { UseCodePage(1253); }

    RtfDocument run() {
        const int n = static_cast<int>(in_.size());
        while (pos_ < n) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                stack_.append(state_);
                pendingFallback_ = 0;
                continue;
            }
            if (c == '}') {
                ++pos_;
                if (!stack_.isEmpty()) state_ = stack_.takeLast();
                pendingFallback_ = 0;
                continue;
            }
            if (c == '\\') {
                ++pos_;
                controlSequence();
                continue;
            }
            ++pos_;
            if (c == '\r' || c == '\n') continue;  // line ends in the file are not text
            if (c == '\t') {
                text(QStringLiteral("\t"));
                continue;
            }
            byte(static_cast<uint8_t>(c));
        }
        // A truncated file: keep the paragraph being read.
        if (!current_.runs.isEmpty()) doc_.paragraphs.append(current_);
        return std::move(doc_);
    }

private:
    void UseCodePage(int cp) {
        codePage_ = cp;
        if (cp != 1253) {
            const QByteArray name = "windows-" + QByteArray::number(cp);
            QStringDecoder decoder(name.constData());
            if (decoder.isValid()) {
                for (int b = 0; b < 256; ++b) {
                    const char ch = static_cast<char>(b);
                    const QString s = decoder.decode(QByteArrayView(&ch, 1));
                    table_[b] = s.size() == 1 ? s.at(0) : QChar(0xFFFD);
                }
                return;
            }
            codePage_ = 1253;  // multi-byte or unknown code pages: the program's own
        }
        for (int b = 0; b < 256; ++b) table_[b] = Win1253ToChar(static_cast<uint8_t>(b));
    }

    void byte(uint8_t b) {
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        const QChar ch = b < 0x80 ? QChar(b) : table_[b];
        if (ch == QChar(0xFFFD) || b == 0) return;  // undefined in the code page: drop
        text(QString(ch));
    }

    void text(const QString& s) {
        if (state_.skip || s.isEmpty()) return;
        RtfRun run;
        run.bold = state_.bold;
        run.italic = state_.italic;
        run.underline = state_.underline;
        run.halfPoints = state_.halfPoints;
        if (!current_.runs.isEmpty() && current_.runs.last().sameFormat(run)) {
            current_.runs.last().text += s;
        } else {
            run.text = s;
            current_.runs.append(run);
        }
        takeParagraphProperties();
    }

    // A paragraph takes the properties in force at its \par; one that the file leaves open
    // keeps those of its last text (the closing braces have reset the state by then).
    void takeParagraphProperties() {
        current_.alignment = state_.alignment;
        current_.leftIndent = state_.leftIndent;
        current_.firstIndent = state_.firstIndent;
        current_.spaceBefore = state_.spaceBefore;
        current_.spaceAfter = state_.spaceAfter;
    }

    void endParagraph() {
        if (state_.skip) return;
        takeParagraphProperties();
        doc_.paragraphs.append(current_);
        current_ = RtfParagraph();
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static int hexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void controlSequence() {
        const int n = static_cast<int>(in_.size());
        if (pos_ >= n) return;  // a lone backslash at the end
        const char c = in_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const int start = pos_;
        while (pos_ < n && isLetter(in_[pos_]) && pos_ - start < 32) ++pos_;
        const QByteArray word = in_.mid(start, pos_ - start);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (pos_ < n && in_[pos_] == '-' && pos_ + 1 < n && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9') {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < n && in_[pos_] >= '0' && in_[pos_] <= '9') {
            if (digits < 10) param = param * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
            hasParam = true;
        }
        if (negative) param = -param;
        if (pos_ < n && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        controlWord(word, hasParam, static_cast<int>(param));
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            byte(static_cast<uint8_t>(c));
            break;
        case '\'': {
            const int n = static_cast<int>(in_.size());
            int value = 0;
            int got = 0;
            while (got < 2 && pos_ < n && hexValue(in_[pos_]) >= 0) {
                value = value * 16 + hexValue(in_[pos_]);
                ++pos_;
                ++got;
            }
            if (got == 2) byte(static_cast<uint8_t>(value));
            break;
        }
        case '~':
            text(QString(QChar(0x00A0)));
            break;
        case '_':
            text(QString(QChar(0x2011)));
            break;
        case '*':
            state_.skip = true;  // an ignorable destination: nothing of it is body text
            break;
        case '\r':
        case '\n':
            endParagraph();  // "\" at a line end is \par
            break;
        default:  // \- (optional hyphen), \| \: and unknown symbols
            break;
        }
    }

    void controlWord(const QByteArray& w, bool hasParam, int param) {
        if (SkippedDestinations().contains(w)) {
            state_.skip = true;
            return;
        }
        const bool on = !hasParam || param != 0;
        if (w == "par" || w == "sect" || w == "page") {
            endParagraph();
        } else if (w == "line") {
            text(QStringLiteral("\n"));
        } else if (w == "tab") {
            text(QStringLiteral("\t"));
        } else if (w == "pard") {
            state_.alignment = Qt::AlignLeft;
            state_.leftIndent = state_.firstIndent = state_.spaceBefore = state_.spaceAfter = 0;
        } else if (w == "li") {
            state_.leftIndent = hasParam ? std::clamp(param, 0, 31680) : 0;
        } else if (w == "fi") {
            state_.firstIndent = hasParam ? std::clamp(param, -31680, 31680) : 0;
        } else if (w == "sb") {
            state_.spaceBefore = hasParam ? std::clamp(param, 0, 31680) : 0;
        } else if (w == "sa") {
            state_.spaceAfter = hasParam ? std::clamp(param, 0, 31680) : 0;
        } else if (w == "ql") {
            state_.alignment = Qt::AlignLeft;
        } else if (w == "qc") {
            state_.alignment = Qt::AlignHCenter;
        } else if (w == "qr") {
            state_.alignment = Qt::AlignRight;
        } else if (w == "qj") {
            state_.alignment = Qt::AlignJustify;
        } else if (w == "plain") {
            state_.bold = state_.italic = state_.underline = false;
            state_.halfPoints = 24;
        } else if (w == "b") {
            state_.bold = on;
        } else if (w == "i") {
            state_.italic = on;
        } else if (w == "ulnone") {
            state_.underline = false;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "uldash" || w == "ulw" || w == "ulth" ||
                   w == "ulwave" || w == "uldashd" || w == "uldashdd") {
            state_.underline = on;
        } else if (w == "fs") {
            if (hasParam && param > 0 && param <= 3276) state_.halfPoints = param;
        } else if (w == "ansicpg") {
            if (hasParam) UseCodePage(param);
        } else if (w == "uc") {
            if (hasParam && param >= 0 && param <= 10) state_.uc = param;
        } else if (w == "u") {
            if (hasParam) {
                const int code = param < 0 ? param + 65536 : param;
                if (code > 0 && code <= 0xFFFF) text(QString(QChar(static_cast<char16_t>(code))));
                pendingFallback_ = state_.uc;
            }
        } else if (w == "bin") {
            // Binary data: never text.
            if (hasParam && param > 0) pos_ = std::min<qsizetype>(in_.size(), pos_ + param);
        } else if (w == "bullet") {
            text(QString(QChar(0x2022)));
        } else if (w == "endash") {
            text(QString(QChar(0x2013)));
        } else if (w == "emdash") {
            text(QString(QChar(0x2014)));
        } else if (w == "lquote") {
            text(QString(QChar(0x2018)));
        } else if (w == "rquote") {
            text(QString(QChar(0x2019)));
        } else if (w == "ldblquote") {
            text(QString(QChar(0x201C)));
        } else if (w == "rdblquote") {
            text(QString(QChar(0x201D)));
        } else if (w == "enspace" || w == "emspace" || w == "qmspace") {
            text(QStringLiteral(" "));
        }
        // Every other word (fonts, colours, spacing, ...) changes nothing we show.
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    GroupState state_;
    QList<GroupState> stack_;
    int pendingFallback_ = 0;
    int codePage_ = 1253;
    std::array<QChar, 256> table_{};
    RtfParagraph current_;
    RtfDocument doc_;
};

QString AlignmentCss(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return QStringLiteral("center");
    if (a & Qt::AlignRight) return QStringLiteral("right");
    if (a & Qt::AlignJustify) return QStringLiteral("justify");
    return QStringLiteral("left");
}

QString RunHtml(const RtfRun& r) {
    QString style = QStringLiteral("font-size:%1pt;").arg(r.halfPoints / 2.0);
    if (r.bold) style += QStringLiteral(" font-weight:700;");
    if (r.italic) style += QStringLiteral(" font-style:italic;");
    if (r.underline) style += QStringLiteral(" text-decoration:underline;");
    QString body = r.text.toHtmlEscaped();
    body.replace(QLatin1Char('\n'), QStringLiteral("<br />"));
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, body);
}

}  // namespace

RtfDocument ReadRtf(const QByteArray& rtf) { return Reader(rtf).run(); }

QString RtfToHtml(const RtfDocument& document) {
    QString html = QStringLiteral("<html><body style=\"white-space:pre-wrap;\">");
    for (const RtfParagraph& p : document.paragraphs) {
        // 15 twips to a pixel at 96 dots per inch.
        const QString style = QStringLiteral("margin-top:%1px; margin-bottom:%2px; margin-left:%3px; text-indent:%4px; text-align:%5;")
                                  .arg(p.spaceBefore / 15)
                                  .arg(p.spaceAfter / 15)
                                  .arg(p.leftIndent / 15)
                                  .arg(p.firstIndent / 15)
                                  .arg(AlignmentCss(p.alignment));
        if (p.runs.isEmpty()) {
            html += QStringLiteral("<p style=\"-qt-paragraph-type:empty; %1\"><br /></p>").arg(style);
            continue;
        }
        html += QStringLiteral("<p style=\"%1\">").arg(style);
        for (const RtfRun& r : p.runs) html += RunHtml(r);
        html += QStringLiteral("</p>");
    }
    html += QStringLiteral("</body></html>");
    return html;
}

}  // namespace dz
