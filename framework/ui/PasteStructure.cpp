// Whether styled text keeps Qt's rich-text engine within linear time, read
// in linear time itself, before Qt reads any of it.
#include "framework/ui/detail/PasteStructure.h"

#include <QHash>
#include <algorithm>
#include <optional>
#include <vector>

namespace fw::detail {

namespace {

// Where Qt's rich-text engine stops taking linear time. Tables nested in
// tables cost twice as much for each level. Each element walks the chain of
// elements it sits in, each list item the items before it. Each picture costs
// as much as six characters for every picture, and one for every character,
// before it in its paragraph; formats changing inside one word cost the
// word's length each.
constexpr int kMaxTableDepth = 4;
constexpr int kMaxDepth = 128;
constexpr int kMaxItemsInList = 500;
constexpr qint64 kMaxPictureWork = 4'000'000;  // in characters, over the whole paste
constexpr int kMaxTagsInWord = 64;
// Each element is matched against every rule of the style sheets before it,
// and a rule on a sibling ("p + p", "p ~ p") looks through all the siblings
// before the element again.
constexpr qint64 kMaxStyleWork = 5'000'000;      // rules times elements
constexpr qint64 kMaxSiblingWork = 300'000'000;  // sibling rules times elements squared
// Qt's Markdown reader adds each piece of a paragraph (a line, an emphasis, a
// link, an entity, some HTML) at a cost in proportion to the paragraph's
// length so far: pieces times length, summed over the paragraphs. It grows a
// table a row at a time, each row costing the cells before it.
constexpr qint64 kMaxMarkdownWork = 30'000'000;
constexpr int kMaxMarkdownPictures = 300;  // in a paragraph
constexpr qint64 kMaxMarkdownTableWork = 1'000'000;

// How Qt's HTML reader lays out an element: in a paragraph's line, as a
// paragraph, as (part of) a table, or not at all.
enum class Display { Inline, Block, Table, None };

Display DisplayOf(const QString& name) {
    static const QHash<QString, Display> known = [] {
        QHash<QString, Display> table;
        for (const char* name : {"blockquote", "body", "caption", "center", "dd", "div", "dl", "dt",
                                 "h1",         "h2",   "h3",      "h4",     "h5", "h6",  "hr", "li",
                                 "ol",         "p",    "pre",     "qt",     "td", "th",  "ul"}) {
            table.insert(QString::fromLatin1(name), Display::Block);
        }
        for (const char* name : {"table", "tbody", "tfoot", "thead", "tr"}) {
            table.insert(QString::fromLatin1(name), Display::Table);
        }
        for (const char* name : {"head", "link", "meta", "script", "style", "title"}) {
            table.insert(QString::fromLatin1(name), Display::None);
        }
        return table;
    }();
    return known.value(name, Display::Inline);
}

// The character an entity's name (between '&' and ';') stands for, as Qt reads
// it: a number, decimal or hexadecimal, or one of the common names; nothing
// for others.
std::optional<QString> Entity(QStringView name) {
    if (name.size() > 1 && name.front() == u'#') {
        QStringView digits = name.mid(1);
        int base = 10;
        if (digits.front().toLower() == u'x') {
            digits = digits.mid(1);
            base = 16;
        }
        bool ok = false;
        char32_t code = digits.toUInt(&ok, base);
        if (!ok) {
            return std::nullopt;
        }
        // Qt reads 128 to 159 as the Windows Latin-1 characters.
        static const char16_t windows[32] = {
            0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
            0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};
        if (code >= 0x80 && code < 0xa0) {
            code = windows[code - 0x80];
        }
        return QString::fromUcs4(&code, 1);
    }
    static const QHash<QString, char16_t> names = {
        {"amp", u'&'},      {"lt", u'<'},       {"gt", u'>'},       {"quot", u'"'},
        {"apos", u'\''},    {"nbsp", 0x00a0},   {"shy", 0x00ad},    {"copy", 0x00a9},
        {"reg", 0x00ae},    {"trade", 0x2122},  {"deg", 0x00b0},    {"plusmn", 0x00b1},
        {"times", 0x00d7},  {"divide", 0x00f7}, {"minus", 0x2212},  {"le", 0x2264},
        {"ge", 0x2265},     {"ne", 0x2260},     {"ndash", 0x2013},  {"mdash", 0x2014},
        {"hellip", 0x2026}, {"bull", 0x2022},   {"middot", 0x00b7}, {"laquo", 0x00ab},
        {"raquo", 0x00bb},  {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"ldquo", 0x201c},
        {"rdquo", 0x201d},  {"euro", 0x20ac},   {"pound", 0x00a3},  {"yen", 0x00a5},
        {"cent", 0x00a2},   {"sect", 0x00a7},   {"para", 0x00b6},   {"micro", 0x00b5},
        {"alpha", 0x03b1},  {"beta", 0x03b2},   {"chi", 0x03c7},    {"mu", 0x03bc},
        {"sigma", 0x03c3},  {"infin", 0x221e},  {"sup2", 0x00b2},   {"frac12", 0x00bd},
        {"auml", 0x00e4},   {"ouml", 0x00f6},   {"uuml", 0x00fc},   {"szlig", 0x00df},
        {"eacute", 0x00e9}, {"egrave", 0x00e8}, {"aacute", 0x00e1}, {"ccedil", 0x00e7}};
    const auto found = names.constFind(name.toString());
    if (found == names.constEnd()) {
        return std::nullopt;
    }
    return QString(QChar(*found));
}

// Reads styled text the way Qt's HTML reader splits it into tags, and keeps
// the chain of open elements as Qt's reader does: every tag of a name of its
// own opens an element, a paragraph or list item closes the one it would sit
// in, cells, rows and table parts go up to their row or table (which Qt makes
// when there is none), a closing tag closes up to the nearest open element of
// its name and is ignored when there is none, and pictures, rules, breaks and
// tags written as closed hold nothing. Where Qt's rules are finer, the chain
// kept here holds an element more, never one less. Counting elements by name
// keeps each tag's work constant, so the whole reading takes linear time.
class StructureScan {
  public:
    // `markdown`: the text is Markdown, whose autolinks (<scheme:...>,
    // <name@host>) are links, not tags.
    StructureScan(QStringView text, bool markdown, bool keepText)
        : text_(text),
          markdown_(markdown),
          keepText_(keepText),
          outerTables_(markdown && text.contains(u'|') ? 1 : 0) {
        // Beyond the limits the reading goes on only for the text.
        while ((fits_ || keepText_) && pos_ < text_.size()) {
            const QChar c = text_[pos_++];
            if (c == u'<' && !(markdown_ && AtAutolink())) {
                Tag();
                continue;
            }
            if (!Hidden()) {
                ++paragraphChars_;
                if (IsSpace(c)) {
                    wordTags_ = 0;
                }
            } else if (styles_ > 0) {
                rules_ += c == u'{';
                siblingRules_ += c == u'+' || c == u'~';
            }
            if (c == u'&' && keepText_) {
                Keep(EntityAt());
            } else {
                Keep(c);
            }
        }
    }
    bool Fits() const { return fits_; }
    // The text outside the tags, its entities read and its spaces collapsed,
    // a line for each paragraph; what hidden elements (style, script, ...) hold
    // is left out.
    QString Text() const { return kept_.trimmed(); }

  private:
    struct Element {
        QString name;
        Display display;
        int items = 0;  // a list's items so far
    };

    static bool IsSpace(QChar c) { return c.isSpace() && c != QChar::ParagraphSeparator; }
    bool At(QChar c) const { return pos_ < text_.size() && text_[pos_] == c; }
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) {
            ++pos_;
        }
    }
    void SkipPast(QChar end) {
        while (pos_ < text_.size() && text_[pos_++] != end) {
        }
    }

    // At "<" in Markdown: whether a link to an address or mail box follows.
    bool AtAutolink() const {
        bool named = false;
        for (qsizetype i = pos_; i < text_.size(); ++i) {
            const QChar c = text_[i];
            if (c == u'>') {
                return named;
            }
            if (c == u'<' || c.isSpace()) {
                return false;
            }
            named = named || c == u':' || c == u'@';
        }
        return false;
    }

    // One word as Qt reads tag names and attributes: quoted, or up to a space,
    // "=", "<", ">" or "/>". Entities never end a word, so they are read as text.
    QStringView Word() {
        const qsizetype start = pos_;
        if (At(u'"')) {
            ++pos_;
            SkipPast(u'"');
            return text_.mid(start + 1, std::max<qsizetype>(0, pos_ - start - 2));
        }
        if (At(u'\'')) {
            // A quote after a backslash does not end the word.
            ++pos_;
            while (pos_ < text_.size()) {
                const QChar c = text_[pos_++];
                if (c == u'\'' && text_[pos_ - 2] != u'\\') {
                    break;
                }
            }
            return text_.mid(start + 1, std::max<qsizetype>(0, pos_ - start - 2));
        }
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c == u'>' || c == u'<' || c == u'=' || IsSpace(c) ||
                (c == u'/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'>')) {
                break;
            }
            ++pos_;
        }
        return text_.mid(start, pos_ - start);
    }

    // A tag's name. Qt reads the entities in it, which no tag of HTML has, so
    // a name with one is taken as beyond the limits rather than read.
    QString Name() {
        const QStringView word = Word();
        fits_ = fits_ && !word.contains(u'&');
        return word.toString().toLower();
    }

    // After "<".
    void Tag() {
        SkipSpace();
        if (!At(u'!')) {
            fits_ = fits_ && ++wordTags_ <= kMaxTagsInWord;
        }
        if (At(u'!')) {
            ++pos_;
            if (text_.mid(pos_).startsWith(u"--")) {
                const qsizetype end = text_.indexOf(u"-->", pos_ + 2);
                pos_ = end < 0 ? text_.size() : end + 3;
            } else {
                SkipPast(u'>');
            }
            return;
        }
        if (At(u'/')) {
            ++pos_;
            const QString name = Name().trimmed();
            SkipPast(u'>');
            Close(name);
            return;
        }
        const QString name = Name();
        if (pos_ < text_.size() && IsSpace(text_[pos_])) {
            Attributes();
        }
        bool closed = false;
        while (pos_ < text_.size() && text_[pos_] != u'>') {
            closed = closed || text_[pos_] == u'/';
            ++pos_;
        }
        ++pos_;
        Open(name, closed);
    }

    void Attributes() {
        while (pos_ < text_.size()) {
            SkipSpace();
            if (At(u'>') || At(u'/') || Word().isEmpty()) {
                return;
            }
            SkipSpace();
            if (At(u'=')) {
                ++pos_;
                SkipSpace();
                Word();
            }
        }
    }

    int Count(const QString& name) const { return open_.value(name); }
    bool Hidden() const { return hidden_ > 0; }

    void Push(const QString& name) {
        Display display = Hidden() ? Display::None : DisplayOf(name);
        chain_.push_back({name, display});
        ++open_[name];
        styles_ += name == u"style";
        if (display == Display::None) {
            ++hidden_;
        } else if (display == Display::Block) {
            blocks_.push_back(chain_.size() - 1);
        }
        const bool table = name == u"table", cell = name == u"td" || name == u"th";
        if (display == Display::None && (table || cell || name == u"tr")) {
            // Qt builds no table from a hidden one, yet counts its rows and
            // cells, and its end, against the table around it.
            fits_ = false;
        }
        if (table && !tables_.empty() && (cells_.empty() || cells_.back() < tables_.back())) {
            // Qt puts a table that sits in a table but in none of its cells
            // where the last cell left off, so tables after the last cell
            // nest ever deeper.
            fits_ = false;
        }
        for (auto [is, at] : {std::pair{name == u"ul" || name == u"ol", &lists_},
                              std::pair{table, &tables_}, std::pair{cell, &cells_}}) {
            if (is) {
                at->push_back(chain_.size() - 1);
            }
        }
        if (display == Display::Block || display == Display::Table) {
            pictures_ = paragraphChars_ = wordTags_ = 0;
            Break();
        }
        fits_ =
            fits_ && chain_.size() <= kMaxDepth && tables_.size() + outerTables_ <= kMaxTableDepth;
    }

    void Pop() {
        const Element& top = chain_.back();
        if (--open_[top.name] == 0) {
            open_.remove(top.name);
        }
        styles_ -= top.name == u"style";
        if (top.display == Display::None) {
            --hidden_;
        } else if (top.display == Display::Block) {
            blocks_.pop_back();
        }
        for (std::vector<size_t>* at : {&lists_, &tables_, &cells_}) {
            if (!at->empty() && at->back() == chain_.size() - 1) {
                at->pop_back();
            }
        }
        if (top.display == Display::Block || top.display == Display::Table) {
            Break();
        }
        chain_.pop_back();
    }

    template <class Allowed>
    void PopUntil(Allowed allowed) {
        while (!chain_.empty() && !allowed(chain_.back().name)) {
            Pop();
        }
    }

    void Open(const QString& name, bool closed) {
        if (name == u"td") {
            if (Count("tr") == 0) {
                Push("table");
                Push("tr");
            }
            PopUntil([](const QString& n) { return n == u"tr"; });
        } else if (name == u"th") {
            PopUntil([](const QString& n) { return n == u"tr"; });
        } else if (name == u"tr") {
            if (Count("table") == 0) {
                Push("table");
            }
            PopUntil([](const QString& n) {
                return n == u"table" || n == u"thead" || n == u"tbody" || n == u"tfoot";
            });
        } else if (name == u"thead" || name == u"tbody" || name == u"tfoot" || name == u"caption") {
            PopUntil([](const QString& n) { return n == u"table"; });
        } else if (name == u"dd" || name == u"dt") {
            PopUntil([](const QString& n) { return n == u"dl"; });
        } else if (name == u"body" || name == u"qt") {
            PopUntil([](const QString& n) { return n != u"head"; });
        } else if (name == u"p") {
            // A paragraph closes the paragraph it would sit in.
            if (!blocks_.empty() && chain_[blocks_.back()].name == u"p") {
                const size_t paragraph = blocks_.back();
                while (chain_.size() > paragraph) {
                    Pop();
                }
            }
        } else if (name == u"li" && !chain_.empty() && chain_.back().name == u"li") {
            Pop();
        }
        if (name == u"li" && !Hidden()) {
            int& items = lists_.empty() ? looseItems_ : chain_[lists_.back()].items;
            fits_ = fits_ && ++items <= kMaxItemsInList;
        }
        ++elements_;
        styleWork_ += rules_;
        siblingWork_ += siblingRules_ * elements_;
        fits_ = fits_ && styleWork_ <= kMaxStyleWork && siblingWork_ <= kMaxSiblingWork;
        if (name == u"img" && !Hidden()) {
            pictureWork_ += 6 * pictures_++ + paragraphChars_;
            fits_ = fits_ && pictureWork_ <= kMaxPictureWork;
        }
        if (name == u"br") {
            Keep(QChar::LineSeparator);
            wordTags_ = 0;
        }
        // An element without a name is text to Qt's reader: nothing sits in it.
        const bool holds = !closed && !name.isEmpty() && name != u"img" && name != u"hr" &&
                           name != u"br" && name != u"meta";
        Push(name);
        if (!holds) {
            Pop();
        }
    }

    void Close(const QString& name) {
        if (Count(name) == 0) {
            return;
        }
        while (chain_.back().name != name) {
            Pop();
        }
        Pop();
    }

    // After "&": the entity's character, or "&" itself when there is none.
    QString EntityAt() {
        const qsizetype end = std::min(text_.size(), pos_ + 9);
        for (qsizetype i = pos_; i < end && !text_[i].isSpace(); ++i) {
            if (text_[i] == u';') {
                if (auto read = Entity(text_.mid(pos_, i - pos_)); read && i > pos_) {
                    pos_ = i + 1;
                    return *read;
                }
                break;
            }
        }
        return QStringLiteral("&");
    }

    void Keep(QChar c) {
        if (!keepText_ || Hidden()) {
            return;
        }
        if (c == QChar::LineSeparator) {
            kept_ += u'\n';
        } else if (!IsSpace(c)) {
            kept_ += c;
        } else if (!kept_.isEmpty() && !kept_.back().isSpace()) {
            kept_ += u' ';
        }
    }
    void Keep(const QString& s) {
        for (QChar c : s) {
            Keep(c);
        }
    }
    // A paragraph starts or ends: its text stands on a line of its own.
    void Break() {
        if (!keepText_ || Hidden()) {
            return;
        }
        while (!kept_.isEmpty() && kept_.back() == u' ') {
            kept_.chop(1);
        }
        if (!kept_.isEmpty() && kept_.back() != u'\n') {
            kept_ += u'\n';
        }
    }

    QStringView text_;
    const bool markdown_, keepText_;
    // Markdown's own tables, whose cells may hold the HTML's.
    const size_t outerTables_;
    qsizetype pos_ = 0;
    bool fits_ = true;
    std::vector<Element> chain_;
    QHash<QString, int> open_;  // open elements by name
    // Where in the chain paragraphs, lists, tables and cells stand.
    std::vector<size_t> blocks_, lists_, tables_, cells_;
    int hidden_ = 0;                            // open elements that are never shown
    qint64 pictures_ = 0, paragraphChars_ = 0;  // in the current paragraph so far
    qint64 pictureWork_ = 0;
    int wordTags_ = 0;  // tags since the current word began
    int styles_ = 0;    // open style sheets
    qint64 elements_ = 0, rules_ = 0, siblingRules_ = 0, styleWork_ = 0, siblingWork_ = 0;
    int looseItems_ = 0;  // list items outside any list
    QString kept_;
};

// Whether a line of Markdown (its quote marks taken off) starts a list item.
bool IsListItem(QStringView line) {
    qsizetype digits = 0;
    while (digits < line.size() && digits < 9 && line[digits].isDigit()) {
        ++digits;
    }
    const QStringView marker = digits > 0 ? line.mid(digits) : line;
    const bool marked =
        !marker.isEmpty() &&
        (digits > 0 ? marker.front() == u'.' || marker.front() == u')'
                    : marker.front() == u'-' || marker.front() == u'*' || marker.front() == u'+');
    return marked && (marker.size() == 1 || marker[1] == u' ' || marker[1] == u'\t');
}

// Markdown's own structure, over-estimated line by line: the work of its
// paragraphs (any lines between blank lines) and their pictures, every
// paragraph with a "|" taken as a table of a row per line, and its lists'
// items, counted until a line at the margin after a blank line ends the list.
bool MarkdownOwnFits(QStringView markdown) {
    qint64 work = 0, pieces = 0, length = 0, tableWork = 0, lines = 0, bars = 0;
    int items = 0, pictures = 0;
    bool afterBlank = true;
    // At a paragraph's end: its work, and its work as a table when it has cells.
    const auto ended = [&] {
        work += pieces * length;
        tableWork += bars > 0 ? lines * (lines + bars) : 0;
        pieces = length = lines = bars = pictures = 0;
        return work <= kMaxMarkdownWork && tableWork <= kMaxMarkdownTableWork;
    };
    for (QStringView line : markdown.tokenize(u'\n')) {
        qsizetype start = 0;
        while (start < line.size() &&
               (line[start] == u'>' || line[start] == u' ' || line[start] == u'\t')) {
            ++start;
        }
        const QStringView content = line.mid(start).trimmed();
        if (content.isEmpty()) {
            if (!ended()) {
                return false;
            }
            afterBlank = true;
            continue;
        }
        if (IsListItem(content)) {
            if (++items > kMaxItemsInList) {
                return false;
            }
        } else if (afterBlank && !line.front().isSpace()) {
            items = 0;
        }
        afterBlank = false;
        pieces += 1 + std::count_if(content.begin(), content.end(),
                                    [](QChar c) { return QStringView(u"*_`[!<&~\\").contains(c); });
        length += line.size() + 1;
        ++lines;
        bars += content.count(u'|');
        pictures += content.count(u"![");
        if (work + pieces * length > kMaxMarkdownWork || pictures > kMaxMarkdownPictures) {
            return false;
        }
    }
    return ended();
}

}  // namespace

HtmlReading ReadHtml(QStringView html, bool wantText) {
    const StructureScan scan(html, false, wantText);
    return {scan.Fits(), wantText ? scan.Text() : QString()};
}

bool MarkdownFits(QStringView markdown) {
    return MarkdownOwnFits(markdown) && StructureScan(markdown, true, false).Fits();
}

}  // namespace fw::detail
