#include "shell/board/boardview.h"

#include "shell/qtext.h"

#include "shell/art/palette.h"
#include "shell/board/advicemarks.h"
#include "shell/board/boardaccessible.h"
#include "shell/board/cellwidget.h"
#include "shell/board/picturebutton.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace rollwell {

namespace {

// Control-name stems of the four columns, as the rules speak of them.
constexpr std::array<const char*, kColumnCount> kColumnStem = {"Down", "Up", "Rand", "Oblg"};
constexpr std::array<const char*, kColumnCount> kColumnTitle = {"Down", "Up", "Free", "Announce"};
// What each column head says to the mouse and to a screen reader.
constexpr std::array<const char*, kColumnCount> kColumnHead = {
    "Down: fill from the top", "Up: fill from the bottom", "Free: any order",
    "Announce: announce after the first roll"};
constexpr std::array<const char*, 7> kFaceWord = {"blank", "one",  "two", "three",
                                                  "four",  "five", "six"};

QLabel* makeLabel(QWidget* parent, const QString& name, Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(align);
    return l;
}

// Colour and font of a board label, set directly: cheaper at start-up than a
// style sheet. The size is kept for the designed board and scaled with it.
void styleLabel(QLabel* l, const char16_t* colour, bool bold, int pixelSize) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, paletteColor(QStringView(colour)));
    l->setPalette(pal);
    QFont font = l->font();
    font.setPixelSize(scaledPixels(pixelSize));
    font.setBold(bold);
    l->setFont(font);
    l->setProperty("designedPixels", pixelSize);
}

// A label's designed font, smaller where its text would not fit the label's width.
void fitToWidth(QLabel* l) {
    QFont f = l->font();
    int size = scaledPixels(l->property("designedPixels").toInt());
    const int room = l->width() - scaledPixels(6);
    const int smallest = scaledPixels(9);
    for (f.setPixelSize(size);
         size > smallest && QFontMetrics(f).horizontalAdvance(l->text()) > room;)
        f.setPixelSize(--size);
    l->setFont(f);
}

// The two large buttons over the roll button, styled when first shown at a
// board size.
void styleBigButton(QPushButton* b) {
    if (b->property("styledAt").toInt() == pixelScale()) return;
    b->setProperty("styledAt", pixelScale());
    b->setStyleSheet(
        QStringLiteral("QPushButton{color:%1;background:%2;border:%6px solid %3;"
                       "border-radius:%7px;font-weight:bold;font-size:%8px;padding:1px;}"
                       "QPushButton:hover{background:%4;}QPushButton:pressed{background:%5;}")
            .arg(paletteColor(u"buttontext").name(), paletteColor(u"rule").name(),
                 paletteColor(u"frame").name(), paletteColor(u"rule").lighter(115).name(),
                 paletteColor(u"rule").darker(120).name())
            .arg(std::max(1, scaledPixels(1)))
            .arg(scaledPixels(8))
            .arg(scaledPixels(12)));
}

QString rollPictureName(RollPicture p) {
    switch (p) {
    case RollPicture::picRollOn:
        return QStringLiteral("picRollOn");
    case RollPicture::picRollOff:
        return QStringLiteral("picRollOff");
    case RollPicture::picRollDice:
        break;
    }
    return QStringLiteral("picRollDice");
}

} // namespace

BoardView::BoardView(int top, QWidget* parent) : QWidget(parent), top_(top) {
    setObjectName(QStringLiteral("Board"));
    installBoardAccessibility();
    createSheet();
    createDice();
    placeFixed();
    marks_ = new AdviceMarksView(this);
}

QRect BoardView::px(const Box& b) const {
    return {toPixels(b.left), toPixels(b.top) - top_, toPixels(b.left + b.width) - toPixels(b.left),
            toPixels(b.top + b.height) - toPixels(b.top)};
}

QPoint BoardView::px(int x, int y) const {
    return {toPixels(x), toPixels(y) - top_};
}

void BoardView::createSheet() {
    const Qt::Alignment centred = Qt::AlignCenter;
    for (int c = 0; c < kColumnCount; ++c) {
        const QString stem = QString::fromLatin1(kColumnStem[static_cast<size_t>(c)]);
        for (int r = 0; r < kRowCount; ++r) {
            QLabel* cell = makeLabel(this, QStringLiteral("lbl%1_%2").arg(stem).arg(r), centred);
            styleLabel(cell, u"celltext", false, 11);
            lbl_[static_cast<size_t>(c)][static_cast<size_t>(r)] = cell;
            auto* button = new CellWidget(c + 1, r, this);
            button->setObjectName(QStringLiteral("cmd%1_%2").arg(stem).arg(r));
            cell->setProperty("cellButton", QVariant::fromValue<QObject*>(button));
            cmd_[static_cast<size_t>(c)][static_cast<size_t>(r)] = button;
            connect(button, &QAbstractButton::clicked, this,
                    [this, c, r] { emit cellClicked(c + 1, r); });
            connect(button, &CellWidget::entered, this, &BoardView::cellEntered);
            connect(button, &CellWidget::left, this, &BoardView::cellLeft);
        }
        auto* head = makeLabel(this, QStringLiteral("lblHead%1").arg(stem), centred);
        head->setToolTip(QString::fromLatin1(kColumnHead[static_cast<size_t>(c)]));
        head->setAccessibleName(head->toolTip());
        head_[static_cast<size_t>(c)] = head;
        tot1_[static_cast<size_t>(c)] =
            makeLabel(this, QStringLiteral("lbl%1Tot1").arg(stem), centred);
        tot2_[static_cast<size_t>(c)] =
            makeLabel(this, QStringLiteral("lbl%1Tot2").arg(stem), centred);
        tot_[static_cast<size_t>(c)] =
            makeLabel(this, QStringLiteral("lbl%1Tot").arg(stem), centred);
        for (QLabel* t : {tot1_[static_cast<size_t>(c)], tot2_[static_cast<size_t>(c)],
                          tot_[static_cast<size_t>(c)]})
            styleLabel(t, u"totaltext", true, 11);
    }
    grandTotal_ = makeLabel(this, QStringLiteral("lblGrandTotal"), centred);
    styleLabel(grandTotal_, u"totaltext", true, 13);
    // In a two-player game the player on turn is named large on the board.
    playerOnTurn_ = makeLabel(this, QStringLiteral("lblPlayerOnTurn"), Qt::AlignCenter);
    styleLabel(playerOnTurn_, u"buttontext", true, 15);
    playerOnTurn_->hide();

    for (int r = 0; r < kRowCount; ++r) {
        QLabel* caption = makeLabel(this, QStringLiteral("lblOption_%1").arg(r),
                                    Qt::AlignLeft | Qt::AlignVCenter);
        styleLabel(caption, u"captiontext", false, 11);
        caption->setIndent(4);
        option_[static_cast<size_t>(r)] = caption;
        QLabel* tip = makeLabel(this, QStringLiteral("lblTip_%1").arg(r), Qt::AlignCenter);
        styleLabel(tip, u"hinttext", true, 10);
        tip->hide();
        tip_[static_cast<size_t>(r)] = tip;
    }
    subTotalCaption_ =
        makeLabel(this, QStringLiteral("lblSubTotal"), Qt::AlignLeft | Qt::AlignVCenter);
    subTotalCaption_->setText(QString::fromLatin1(kSubTotalCaption.data(),
                                                  static_cast<qsizetype>(kSubTotalCaption.size())));
    productCaption_ =
        makeLabel(this, QStringLiteral("lblProduct"), Qt::AlignLeft | Qt::AlignVCenter);
    productCaption_->setText(QString::fromLatin1(kProductCaption.data(),
                                                 static_cast<qsizetype>(kProductCaption.size())));
    label13_ = makeLabel(this, QStringLiteral("Label13"), Qt::AlignLeft | Qt::AlignVCenter);
    label13_->setText(QString::fromLatin1(kColumnTotalCaption.data(),
                                          static_cast<qsizetype>(kColumnTotalCaption.size())));
    label2_ = makeLabel(this, QStringLiteral("Label2"), Qt::AlignLeft | Qt::AlignVCenter);
    label2_->setText(QString::fromLatin1(kGrandTotalCaption.data(),
                                         static_cast<qsizetype>(kGrandTotalCaption.size())));
    for (QLabel* l : {subTotalCaption_, productCaption_, label13_, label2_}) {
        styleLabel(l, u"captiontext", true, 11);
        l->setIndent(4);
    }
}

// Everything whose place or size the board's geometry does not give: the hint
// labels, the captions of the total lines and the fonts.
void BoardView::placeFixed() {
    for (int r = 0; r < kRowCount; ++r)
        tip_[static_cast<size_t>(r)]->setGeometry(
            px({SheetLayout::kTipLeft, SheetLayout::rowTop(r) + 20, SheetLayout::kTipWidth,
                SheetLayout::kRowHeight - 40}));
    const auto captionBox = [](int top) {
        return Box{SheetLayout::kCaptionLeft, top, 1570, SheetLayout::kRowHeight};
    };
    subTotalCaption_->setGeometry(px(captionBox(SheetLayout::kSubTotalTop)));
    productCaption_->setGeometry(px(captionBox(SheetLayout::kProductTop)));
    label13_->setGeometry(px(captionBox(SheetLayout::kColumnTotalTop)));
    for (QLabel* l : findChildren<QLabel*>()) {
        const int designed = l->property("designedPixels").toInt();
        if (designed == 0) continue;
        QFont f = l->font();
        f.setPixelSize(scaledPixels(designed));
        l->setFont(f);
    }
}

void BoardView::rescale(int top) {
    top_ = top;
    placeFixed();
    first_ = true;
    const Board shown = shown_;
    sync(shown);
    for (QPushButton* b : {nextPlayer_, showNextBoard_})
        if (b->isVisible()) styleBigButton(b);
    update();
}

void BoardView::createDice() {
    for (int i = 0; i < kMaxDice; ++i) {
        auto* die = new PictureButton(this);
        die->setObjectName(QStringLiteral("picDice_%1").arg(i));
        die->setCursor(Qt::PointingHandCursor);
        connect(die, &QAbstractButton::clicked, this, [this, i] { emit dieClicked(i); });
        dice_[static_cast<size_t>(i)] = die;
        auto* held = new PictureButton(this);
        held->setObjectName(QStringLiteral("PicDiceOff_%1").arg(i));
        held->setCursor(Qt::PointingHandCursor);
        connect(held, &QAbstractButton::clicked, this, [this, i] { emit heldDieClicked(i); });
        diceOff_[static_cast<size_t>(i)] = held;
    }
    roll_ = new PictureButton(this);
    roll_->setObjectName(QStringLiteral("picRollDices"));
    roll_->setCursor(Qt::PointingHandCursor);
    connect(roll_, &PictureButton::mouseDown, this, &BoardView::rollMouseDown);
    connect(roll_, &PictureButton::mouseUp, this, &BoardView::rollMouseUp);
    for (int k = 0; k < 3; ++k) {
        auto* lit = new PictureButton(this);
        lit->setObjectName(QStringLiteral("picRound_%1").arg(k));
        lit->setPictureName(QStringLiteral("roundLit"));
        lit->setAttribute(Qt::WA_TransparentForMouseEvents);
        lit->setProperty("indicator", true);
        lit->setAccessibleName(QStringLiteral("Roll %1 used").arg(k + 1));
        round_[static_cast<size_t>(k)] = lit;
        auto* unlit = new PictureButton(this);
        unlit->setObjectName(QStringLiteral("picRoundBG_%1").arg(k));
        unlit->setPictureName(QStringLiteral("roundUnlit"));
        unlit->setAttribute(Qt::WA_TransparentForMouseEvents);
        unlit->setProperty("indicator", true);
        unlit->setAccessibleName(QStringLiteral("Roll %1 left").arg(k + 1));
        roundBG_[static_cast<size_t>(k)] = unlit;
    }
    // Marked as board buttons before anything about them reaches a screen reader.
    nextPlayer_ = new QPushButton(this);
    nextPlayer_->setProperty("boardButton", true);
    nextPlayer_->setText(QStringLiteral("Next Player"));
    nextPlayer_->setObjectName(QStringLiteral("cmdNextPlayer"));
    nextPlayer_->setFocusPolicy(Qt::NoFocus);
    nextPlayer_->hide();
    connect(nextPlayer_, &QPushButton::clicked, this, &BoardView::nextPlayerClicked);
    showNextBoard_ = new QPushButton(this);
    showNextBoard_->setProperty("boardButton", true);
    showNextBoard_->setObjectName(QStringLiteral("cmdShowNextBoard"));
    showNextBoard_->setFocusPolicy(Qt::NoFocus);
    showNextBoard_->hide();
    connect(showNextBoard_, &QPushButton::clicked, this, &BoardView::showNextBoardClicked);
}

void BoardView::placeColumns(const BoardGeometry& g) {
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnSpan span = g.columns[static_cast<size_t>(c)];
        for (int r = 0; r < kRowCount; ++r) {
            const QRect cell =
                px({span.left, SheetLayout::rowTop(r), span.width, SheetLayout::kRowHeight});
            cmd_[static_cast<size_t>(c)][static_cast<size_t>(r)]->setGeometry(cell);
            lbl_[static_cast<size_t>(c)][static_cast<size_t>(r)]->setGeometry(cell);
        }
        head_[static_cast<size_t>(c)]->setGeometry(
            px({span.left, SheetLayout::kHeaderTop, span.width, SheetLayout::kRowHeight}));
        tot1_[static_cast<size_t>(c)]->setGeometry(
            px({span.left, SheetLayout::kSubTotalTop, span.width, SheetLayout::kRowHeight}));
        tot2_[static_cast<size_t>(c)]->setGeometry(
            px({span.left, SheetLayout::kProductTop, span.width, SheetLayout::kRowHeight}));
        tot_[static_cast<size_t>(c)]->setGeometry(
            px({span.left, SheetLayout::kColumnTotalTop, span.width, SheetLayout::kRowHeight}));
    }
}

void BoardView::sync(const Board& b) {
    const Board& old = shown_;
    if (first_ || !(b.geometry == old.geometry)) {
        const BoardGeometry& g = b.geometry;
        placeColumns(g);
        // The grand total and its caption stand in the middle of their band,
        // which reaches down to the sheet's bottom rule.
        const int band = g.lblGrandTotal.top - 20;
        grandTotal_->setGeometry(
            px({g.lblGrandTotal.left, band, g.lblGrandTotal.width, g.Line4.y1 - band}));
        playerOnTurn_->setGeometry(px({g.Picture2.left, SheetLayout::kHeaderTop,
                                       g.Line1.x1 - g.Picture2.left, SheetLayout::kRowHeight}));
        label2_->setGeometry(px({g.Label2.left, band, g.Label2.width, g.Line4.y1 - band}));
        for (int i = 0; i < kMaxDice; ++i) {
            dice_[static_cast<size_t>(i)]->setGeometry(px(g.picDice[static_cast<size_t>(i)]));
            diceOff_[static_cast<size_t>(i)]->setGeometry(px(g.PicDiceOff[static_cast<size_t>(i)]));
        }
        roll_->setGeometry(px(g.picRollDices));
        // The two big buttons cover the roll art above the roll lights.
        const QRect art = px({g.picRollDices.left, g.picRollDices.top, g.picRollDices.width,
                              g.picRollDices.height - SheetLayout::kRollLightStrip});
        const int in = scaledPixels(3);
        nextPlayer_->setGeometry(art.adjusted(in, in, -in, -in));
        showNextBoard_->setGeometry(art.adjusted(in, in, -in, -in));
        for (int k = 0; k < 3; ++k) {
            const QRect light = px(SheetLayout::rollLight(k, g.picRollDices));
            round_[static_cast<size_t>(k)]->setGeometry(light);
            roundBG_[static_cast<size_t>(k)]->setGeometry(light);
        }
        update();
    }
    if (first_ || !(b.decorations == old.decorations)) {
        label13_->setVisible(b.decorations.Label13);
        for (size_t c = 0; c < kColumnCount; ++c)
            head_[c]->setVisible(b.decorations.imgArrow || (b.decorations.imgArrow2 && c == 2));
        update();
    }
    const Panel& player = b.StatusPanel(1);
    if (first_ || player.text != old.StatusPanel(1).text ||
        player.visible != old.StatusPanel(1).visible ||
        b.adviceLendsPanels != old.adviceLendsPanels) {
        // The player panel's name, large on the board, while the panel is shown.
        playerOnTurn_->setText(toQString(player.text).trimmed());
        fitToWidth(playerOnTurn_);
        playerOnTurn_->setVisible((player.visible || b.adviceLendsPanels) && b.statusBarVisible);
    }
    syncSheet(b);
    syncDice(b);
    syncAdvice(b);
    describe(b);
    shown_ = b;
    first_ = false;
}

void BoardView::syncSheet(const Board& b) {
    const Board& old = shown_;
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnControls& now = b.columns[static_cast<size_t>(c)];
        const ColumnControls& was = old.columns[static_cast<size_t>(c)];
        for (int r = 0; r < kRowCount; ++r) {
            const CellButton& cb = now.cmd[static_cast<size_t>(r)];
            auto* button = cmd_[static_cast<size_t>(c)][static_cast<size_t>(r)];
            button->setKeyCursor(b.cellCursor == CellCursor{c + 1, r});
            if (first_ || !(cb == was.cmd[static_cast<size_t>(r)])) {
                button->setPicture(cb.picture);
                button->setEnabled(cb.enabled);
                button->setVisible(cb.visible);
            }
            const TextLabel& cell = now.lbl[static_cast<size_t>(r)];
            if (first_ || !(cell == was.lbl[static_cast<size_t>(r)])) {
                QLabel* label = lbl_[static_cast<size_t>(c)][static_cast<size_t>(r)];
                label->setText(toQString(cell.text));
                label->setVisible(cell.visible);
            }
        }
        const std::array<std::pair<const TextLabel*, const TextLabel*>, 3> totals = {
            {{&now.Tot1, &was.Tot1}, {&now.Tot2, &was.Tot2}, {&now.Tot, &was.Tot}}};
        const std::array<QLabel*, 3> widgets = {tot1_[static_cast<size_t>(c)],
                                                tot2_[static_cast<size_t>(c)],
                                                tot_[static_cast<size_t>(c)]};
        for (size_t k = 0; k < 3; ++k) {
            if (first_ || !(*totals[k].first == *totals[k].second)) {
                widgets[k]->setText(toQString(totals[k].first->text));
                widgets[k]->setVisible(totals[k].first->visible);
            }
        }
    }
    if (first_ || !(b.lblGrandTotal == old.lblGrandTotal)) {
        grandTotal_->setText(toQString(b.lblGrandTotal.text));
        grandTotal_->setVisible(b.lblGrandTotal.visible);
    }
    for (int r = 0; r < kRowCount; ++r) {
        const RowCaption& now = b.lblOption[static_cast<size_t>(r)];
        const RowCaption& was = old.lblOption[static_cast<size_t>(r)];
        QLabel* caption = option_[static_cast<size_t>(r)];
        if (first_ || now.text != was.text) caption->setText(toQString(now.text));
        if (first_ || now.width != was.width)
            caption->setGeometry(px({SheetLayout::kCaptionLeft, SheetLayout::rowTop(r), now.width,
                                     SheetLayout::kRowHeight}));
        if (first_ || now.highlighted != was.highlighted) {
            caption->setProperty("highlighted", now.highlighted);
            // Tooltip colours while the mouse is over the row's cell button.
            QPalette pal = caption->palette();
            pal.setColor(QPalette::Window, paletteColor(u"highlight"));
            pal.setColor(QPalette::WindowText,
                         paletteColor(now.highlighted ? u"highlighttext" : u"captiontext"));
            caption->setPalette(pal);
            caption->setAutoFillBackground(now.highlighted);
        }
        const TextLabel& tip = b.lblTip[static_cast<size_t>(r)];
        if (first_ || !(tip == old.lblTip[static_cast<size_t>(r)])) {
            tip_[static_cast<size_t>(r)]->setText(toQString(tip.text));
            if (tip_[static_cast<size_t>(r)]->isVisible() != tip.visible) {
                tip_[static_cast<size_t>(r)]->setVisible(tip.visible);
                update(); // the hint frames follow their labels
            }
        }
    }
}

void BoardView::syncDice(const Board& b) {
    const Board& old = shown_;
    for (size_t i = 0; i < kMaxDice; ++i) {
        const std::array<std::pair<const DiePicture*, const DiePicture*>, 2> pics = {
            {{&b.picDice[i], &old.picDice[i]}, {&b.PicDiceOff[i], &old.PicDiceOff[i]}}};
        const std::array<PictureButton*, 2> widgets = {dice_[i], diceOff_[i]};
        const std::array<const char*, 2> stems = {"die", "held"};
        for (size_t k = 0; k < 2; ++k) {
            const DiePicture& now = *pics[k].first;
            const DiePicture& was = *pics[k].second;
            if (!first_ && now.face == was.face && now.visible == was.visible &&
                now.enabled == was.enabled)
                continue;
            widgets[k]->setPictureName(
                QStringLiteral("%1%2").arg(QLatin1String(stems[k])).arg(now.face));
            widgets[k]->setEnabled(now.enabled);
            widgets[k]->setVisible(now.visible);
            if (now.visible) widgets[k]->raise();
        }
    }
    if (first_ || b.picRollDices.picture != old.picRollDices.picture ||
        b.picRollDices.enabled != old.picRollDices.enabled ||
        b.picRollDices.visible != old.picRollDices.visible) {
        roll_->setPictureName(rollPictureName(b.picRollDices.picture));
        roll_->setEnabled(b.picRollDices.enabled);
        roll_->setVisible(b.picRollDices.visible);
    }
    for (size_t k = 0; k < 3; ++k) {
        if (first_ || b.picRound[k] != old.picRound[k]) round_[k]->setVisible(b.picRound[k]);
        if (first_ || b.picRoundBG[k] != old.picRoundBG[k])
            roundBG_[k]->setVisible(b.picRoundBG[k]);
    }
    if (first_ || !(b.cmdNextPlayer == old.cmdNextPlayer)) {
        // It names who comes next.
        const QString next = toQString(b.cmdNextPlayer.caption).trimmed();
        nextPlayer_->setText(next.isEmpty() ? QStringLiteral("Next Player")
                                            : QStringLiteral("Next Player\n%1").arg(next));
        nextPlayer_->setAccessibleName(next.isEmpty()
                                           ? QStringLiteral("Next Player")
                                           : QStringLiteral("Next Player: %1").arg(next));
        if (b.cmdNextPlayer.visible) styleBigButton(nextPlayer_);
        nextPlayer_->setEnabled(b.cmdNextPlayer.enabled);
        nextPlayer_->setVisible(b.cmdNextPlayer.visible);
        nextPlayer_->raise();
    }
    const CaptionedSwitch& s = b.cmdShowNextBoard;
    if (first_ || s.visible != old.cmdShowNextBoard.visible ||
        s.enabled != old.cmdShowNextBoard.enabled || s.caption != old.cmdShowNextBoard.caption) {
        // The caption's runs of blanks break it into lines on the narrow button.
        const QStringList lines = toQString(s.caption).split(
            QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
        showNextBoard_->setText(lines.join(QLatin1Char('\n')));
        showNextBoard_->setAccessibleName(toQString(s.caption));
        if (s.visible) styleBigButton(showNextBoard_);
        showNextBoard_->setEnabled(s.enabled);
        showNextBoard_->setVisible(s.visible);
        showNextBoard_->raise();
    }
}

// The suggestion's marks, over everything else; while the computer plays, the
// board lets no click through to its controls.
void BoardView::syncAdvice(const Board& b) {
    const AdviceMarks& a = b.advice;
    std::vector<QRect> dice;
    for (size_t i = 0; i < kMaxDice; ++i)
        if (a.hold[i]) dice.push_back(px(b.geometry.picDice[i]));
    QRect cell;
    if (a.column >= 1 && a.column <= kColumnCount && a.row >= 0 && a.row < kRowCount) {
        const ColumnSpan span = b.geometry.columns[static_cast<size_t>(a.column - 1)];
        cell = px({span.left, SheetLayout::rowTop(a.row), span.width, SheetLayout::kRowHeight});
    }
    marks_->mark(std::move(dice), cell);
    if (marks_->isVisible()) marks_->raise(); // a die shown anew stands above it
    if (first_ || b.boardLocked != shown_.boardLocked)
        setAttribute(Qt::WA_TransparentForMouseEvents, b.boardLocked);
}

// What a screen reader says of each cell and die.
namespace {

QString caption(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

// "Down column", or "Score" for the single column of Yahtzee.
QString columnName(const Board& b, size_t c) {
    return b.geometry.columns[2].width > 600 && c == 2
               ? QStringLiteral("Score")
               : QString::fromLatin1(kColumnTitle[c]) + QStringLiteral(" column");
}

QString valueOrEmpty(const std::string& text) {
    return text.empty() ? QStringLiteral("empty") : toQString(text);
}

} // namespace

// What a screen reader says of each cell, total, hint, die and the roll button.
void BoardView::describe(const Board& b) {
    const Board& old = shown_;
    for (size_t c = 0; c < kColumnCount; ++c) {
        for (size_t r = 0; r < kRowCount; ++r) {
            const std::string& text = b.columns[c].lbl[r].text;
            const std::string& tip = b.lblTip[r].text;
            if (!first_ && text == old.columns[c].lbl[r].text && tip == old.lblTip[r].text &&
                b.columns[c].cmd[r] == old.columns[c].cmd[r] &&
                b.geometry.columns == old.geometry.columns)
                continue;
            QString name =
                QStringLiteral("%1, %2").arg(columnName(b, c), toQString(b.lblOption[r].text));
            QString state = text.empty() ? QStringLiteral("empty") : toQString(text);
            if (!text.empty()) name += QStringLiteral(", ") + toQString(text);
            if (b.columns[c].cmd[r].visible && b.columns[c].cmd[r].enabled)
                state = tip.empty() ? QStringLiteral("open, can take this roll")
                                    : QStringLiteral("open, this roll scores ") + toQString(tip);
            cmd_[c][r]->setAccessibleName(name);
            cmd_[c][r]->setAccessibleDescription(state);
            lbl_[c][r]->setAccessibleName(name);
        }
        const std::array<std::pair<const TextLabel*, std::string_view>, 3> totals = {
            {{&b.columns[c].Tot1, kSubTotalCaption},
             {&b.columns[c].Tot2, kProductCaption},
             {&b.columns[c].Tot, kColumnTotalCaption}}};
        const std::array<QLabel*, 3> widgets = {tot1_[c], tot2_[c], tot_[c]};
        for (size_t k = 0; k < 3; ++k)
            widgets[k]->setAccessibleName(QStringLiteral("%1, %2, %3")
                                              .arg(columnName(b, c), caption(totals[k].second),
                                                   valueOrEmpty(totals[k].first->text)));
    }
    grandTotal_->setAccessibleName(QStringLiteral("%1, %2").arg(
        caption(kGrandTotalCaption), valueOrEmpty(b.lblGrandTotal.text)));
    for (size_t r = 0; r < kRowCount; ++r)
        tip_[r]->setAccessibleName(
            QStringLiteral("Hint, %1, %2")
                .arg(toQString(b.lblOption[r].text).trimmed(), valueOrEmpty(b.lblTip[r].text)));
    const auto left = std::count(b.picRoundBG.begin(), b.picRoundBG.end(), true);
    roll_->setAccessibleName(left == 0 ? QStringLiteral("Roll the dice, no rolls left")
                             : left == 1
                                 ? QStringLiteral("Roll the dice, 1 roll left")
                                 : QStringLiteral("Roll the dice, %1 rolls left").arg(left));
    for (size_t i = 0; i < kMaxDice; ++i) {
        const int face = b.picDice[i].face;
        if (!first_ && face == old.picDice[i].face &&
            b.PicDiceOff[i].face == old.PicDiceOff[i].face)
            continue;
        const QString word =
            QString::fromLatin1(kFaceWord[static_cast<size_t>(face < 0 || face > 6 ? 0 : face)]);
        dice_[i]->setAccessibleName(QStringLiteral("Die %1, %2, free").arg(i + 1).arg(word));
        dice_[i]->setAccessibleDescription(QStringLiteral("Click to hold this die"));
        const int heldFace = b.PicDiceOff[i].face;
        const QString heldWord = QString::fromLatin1(
            kFaceWord[static_cast<size_t>(heldFace < 0 || heldFace > 6 ? 0 : heldFace)]);
        diceOff_[i]->setAccessibleName(QStringLiteral("Die %1, %2, held").arg(i + 1).arg(heldWord));
        diceOff_[i]->setAccessibleDescription(QStringLiteral("Click to release this die"));
    }
}

} // namespace rollwell
