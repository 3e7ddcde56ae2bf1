#include "framework/ui/detail/FieldValidator.h"

#include <QChar>
#include <algorithm>
#include <utility>

namespace fw::detail {

namespace {

bool ShowsNothing(char32_t code) {
    const QChar::Category category = QChar::category(code);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

}  // namespace

bool FieldValidator::Fit(QString& text, int& cursor) const {
    QString kept;
    kept.reserve(text.size());
    int keptCursor = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (i <= cursor) {
            keptCursor = static_cast<int>(kept.size());
        }
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!ShowsNothing(code)) {
            kept.append(text.constData() + i, length);
        }
        i += length;
    }
    if (cursor >= text.size()) {
        keptCursor = static_cast<int>(kept.size());
    }
    const bool dropped = kept.size() != text.size();
    text = std::move(kept);
    cursor = keptCursor;
    if (text.size() > limit_) {
        const int excess = static_cast<int>(text.size()) - limit_;
        const int before = std::min(excess, cursor);
        text.remove(cursor - before, before);
        cursor -= before;
        text.truncate(limit_);  // a text that was too long already loses its end
        cursor = std::min(cursor, limit_);
    }
    return dropped;
}

QString FieldValidator::Fitted(QString text) const {
    int cursor = static_cast<int>(text.size());
    Fit(text, cursor);
    return text;
}

QValidator::State FieldValidator::validate(QString& text, int& cursor) const {
    const qsizetype given = text.size();
    const bool dropped = Fit(text, cursor);
    if (!dropped && text.size() < given && text == held_) {
        return Invalid;  // nothing of the edit fits
    }
    held_ = text;
    return Acceptable;
}

}  // namespace fw::detail
