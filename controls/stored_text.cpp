// Stored texts longer than a field's typing limit.
#include "controls/stored_text.h"

#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace dz {
namespace {

// The typing limit as the window built it, kept on the field the first time it is raised.
constexpr char kTypingLimit[] = "dzTypingLimit";

}  // namespace

void SetStoredText(QLineEdit* edit, const QString& text) {
    const QVariant kept = edit->property(kTypingLimit);
    const int typingLimit = kept.isValid() ? kept.toInt() : edit->maxLength();
    const int limit = std::max(typingLimit, static_cast<int>(text.size()));
    if (limit > typingLimit && !kept.isValid()) edit->setProperty(kTypingLimit, typingLimit);
    // Raised before the text and lowered after it: a limit below the text would cut it.
    if (limit > edit->maxLength()) edit->setMaxLength(limit);
    edit->setText(text);
    if (limit < edit->maxLength()) edit->setMaxLength(limit);
}

}  // namespace dz
