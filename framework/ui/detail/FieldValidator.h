#pragma once
// What a one-line field holds, whichever way its text arrives: typed, pasted,
// dropped, middle-clicked or set by the program.
#include <QString>
#include <QValidator>

namespace fw::detail {

// Keeps a field's text visible and within its length. Characters that show
// nothing (Unicode's control and format characters: line ends, NUL, direction
// marks and overrides, zero-width spaces and joiners, the byte-order mark) are
// dropped, so that what a field holds is what it shows, and the number read
// from it is the number seen. The length limit applies to what is left.
//
// Qt runs every change of the field's text through here, and forgets the
// field's undo history whenever a validator alters the text: a paste that loses
// characters here cannot be undone. Qt would apply the field's own length limit
// first, to the text not yet cleaned, so that limit is left wide open and this
// one applies. To keep the history for the rest, an edit of which nothing fits
// (a key typed into a full field) is refused outright: Qt then takes it back
// itself, as under its own limit.
class FieldValidator final : public QValidator {
  public:
    using QValidator::QValidator;

    // The most characters the field holds (UTF-16 units, as Qt counts them).
    int Limit() const { return limit_; }
    void Limit(int limit) { limit_ = limit; }

    // text as the field would hold it when set whole. A text the program sets
    // must arrive fitted: Qt takes back a refused edit only when the user made
    // it, and would leave the program's as it came.
    QString Fitted(QString text) const;

    State validate(QString& text, int& cursor) const override;

  private:
    // Drops what shows nothing, then what the limit has no room for: the last
    // characters before the cursor, which are the ones just typed or inserted.
    // True when a character was dropped as invisible.
    bool Fit(QString& text, int& cursor) const;

    int limit_ = 32767;
    mutable QString held_;  // the text the field holds, as last approved here
};

}  // namespace fw::detail
