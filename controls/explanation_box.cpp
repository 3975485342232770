// The explanation window: the text as HTML with links to the codes' boxes; Escape or "Κλείσιμο" closes it.
#include "controls/explanation_box.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace dz {

QString ExplanationBox::Html(const Explanation& e, bool links) {
    QString html = e.text.toHtmlEscaped();
    if (links) {
        // "301 (30.000,00)": a code given in the declaration, as the text names it.
        static const QRegularExpression given(QStringLiteral("\\b(\\d{3}) \\("));
        QString linked;
        qsizetype last = 0;
        for (auto it = given.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const int code = m.captured(1).toInt();
            if (!e.codes.contains(code)) continue;
            linked += html.mid(last, m.capturedStart() - last);
            linked += QStringLiteral("<a href=\"code:%1\">%2</a> (").arg(code).arg(m.captured(1));
            last = m.capturedEnd();
        }
        html = linked + html.mid(last);
    }
    // Each part on its own line: the figure, where it came from, what else counts, the rules.
    for (const char* part : {" Προκύπτει από", " Θα μπορούσαν", " Λαμβάνονται υπόψη", " Δεν εξαρτάται", " Κανόνες:"})
        html.replace(QString::fromUtf8(part), QStringLiteral("<br>") + QString::fromUtf8(part).mid(1));
    // The label first, apart.
    const qsizetype colon = html.indexOf(u':');
    if (colon > 0) html = QStringLiteral("<b>%1</b>%2").arg(html.left(colon), html.mid(colon));
    return QStringLiteral("<p>%1</p>").arg(html);
}

ExplanationBox::ExplanationBox(const Explanation& explanation, std::function<void(int code)> showCode, QWidget* parent)
    : QDialog(parent), showCode_(std::move(showCode)) {
    setObjectName(QStringLiteral("fiExplanation"));
    setWindowTitle(QStringLiteral("Εξήγηση: %1").arg(explanation.label));
    setAttribute(Qt::WA_DeleteOnClose);
    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("tbExplanation"));
    text->setOpenLinks(false);
    text->setHtml(Html(explanation, static_cast<bool>(showCode_)));
    text->setMinimumSize(520, 260);
    connect(text, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() != QLatin1String("code") || !showCode_) return;
        const int code = url.path().toInt();
        emit codeShown(code);
        close();
        showCode_(code);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Κλείσιμο"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    text->setFocus();
}

}  // namespace dz
