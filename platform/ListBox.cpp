#include "platform/ListBox.h"

#include "platform/Exception.h"
#include "platform/Guard.h"
#include "platform/StringList.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

// Hands painting and row heights to the list box.
class TListBoxDelegate : public QStyledItemDelegate {
public:
    explicit TListBoxDelegate(TCustomListBox& owner) : QStyledItemDelegate(&owner), FOwner(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        TOwnerDrawState state = 0;
        if (option.state & QStyle::State_Selected)
            state |= odSelected;
        if (!(option.state & QStyle::State_Enabled))
            state |= odDisabled;
        if ((option.state & QStyle::State_HasFocus) && FOwner.hasFocus())
            state |= odFocused;
        Guarded([&] { FOwner.DrawItem(*painter, option.rect, index.row(), state); });
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        int height = FOwner.FItemHeight;
        Guarded([&] { height = FOwner.RowHeight(index.row()); });
        return QSize(option.rect.width(), height);
    }

private:
    TCustomListBox& FOwner;
};

namespace {

// Blocks the user-change notification while the program changes the list.
class ProgramChange {
public:
    explicit ProgramChange(int& counter) : FCounter(counter) { ++FCounter; }
    ~ProgramChange() { --FCounter; }

private:
    int& FCounter;
};

} // namespace

int TListBoxStrings::Count() const {
    return FOwner.count();
}

QString TListBoxStrings::Strings(int Index) const {
    FOwner.CheckIndex(Index);
    return FOwner.item(Index)->text();
}

int TListBoxStrings::Add(const QString& S) {
    ProgramChange change(FOwner.FProgramChanges);
    int row = Count();
    if (FOwner.Sorted()) {
        // After any equal entries, as a sorted list box inserts.
        int low = 0;
        while (low < row) {
            const int middle = low + (row - low) / 2;
            if (AnsiCompareText(FOwner.item(middle)->text(), S) <= 0)
                low = middle + 1;
            else
                row = middle;
        }
    }
    FOwner.insertItem(row, S);
    return row;
}

void TListBoxStrings::Delete(int Index) {
    FOwner.CheckIndex(Index);
    ProgramChange change(FOwner.FProgramChanges);
    delete FOwner.takeItem(Index);
}

void TListBoxStrings::Clear() {
    ProgramChange change(FOwner.FProgramChanges);
    FOwner.clear();
}

int TListBoxStrings::IndexOf(const QString& S) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiCompareText(FOwner.item(i)->text(), S) == 0)
            return i;
    return -1;
}

QStringList TListBoxStrings::Lines() const {
    QStringList lines;
    for (int i = 0; i < Count(); ++i)
        lines << FOwner.item(i)->text();
    return lines;
}

void TListBoxStrings::SetLines(const QStringList& Lines) {
    QStringList lines = Lines;
    if (FOwner.Sorted())
        std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
            return AnsiCompareText(a, b) < 0;
        });
    Clear();
    ProgramChange change(FOwner.FProgramChanges);
    FOwner.addItems(lines);
}

TCustomListBox::TCustomListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TListBoxDelegate(*this));
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFont(FFont.Handle());
    SetColor(FColor);
    ApplySelectionMode();
    connect(this, &QListWidget::itemSelectionChanged, this,
            &TCustomListBox::SelectionChangedByUser);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        Guarded([this] {
            if (OnDblClick)
                OnDblClick(this);
        });
    });
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::SelectionChangedByUser() {
    if (FProgramChanges > 0)
        return;
    Guarded([this] {
        if (OnClick)
            OnClick(this);
    });
}

void TCustomListBox::CheckIndex(int Index) const {
    if (Index < 0 || Index >= count())
        throw EListError(Index);
}

void TCustomListBox::SetSorted(bool Value) {
    if (Value == FSorted)
        return;
    FSorted = Value;
    if (FSorted)
        FItems.SetLines(FItems.Lines());
}

int TCustomListBox::ItemIndex() const {
    if (FMultiSelect)
        return currentRow();
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void TCustomListBox::SetItemIndex(int Value) {
    ProgramChange change(FProgramChanges);
    const bool valid = Value >= 0 && Value < count();
    if (FMultiSelect) {
        if (valid)
            setCurrentRow(Value, QItemSelectionModel::NoUpdate);
        return;
    }
    if (valid)
        setCurrentRow(Value, QItemSelectionModel::ClearAndSelect);
    else
        clearSelection();
}

void TCustomListBox::SetMultiSelect(bool Value) {
    FMultiSelect = Value;
    ApplySelectionMode();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
    FExtendedSelect = Value;
    ApplySelectionMode();
}

void TCustomListBox::ApplySelectionMode() {
    if (!FMultiSelect)
        setSelectionMode(QAbstractItemView::SingleSelection);
    else if (FExtendedSelect)
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    else
        setSelectionMode(QAbstractItemView::MultiSelection);
}

void TCustomListBox::SetItemHeight(int Value) {
    FItemHeight = std::max(1, Value);
    Relayout();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    FStyle = Value;
    setUniformItemSizes(FStyle != lbOwnerDrawVariable);
    Relayout();
}

void TCustomListBox::SetColor(TColor Value) {
    FColor = Value;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(FColor));
    setPalette(colours);
    viewport()->update();
}

void TCustomListBox::SetFont(const TFont& Value) {
    FFont = Value;
    setFont(FFont.Handle());
    Relayout();
}

void TCustomListBox::Relayout() {
    scheduleDelayedItemsLayout();
    viewport()->update();
}

int TCustomListBox::TopIndex() const {
    const QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void TCustomListBox::SetTopIndex(int Value) {
    if (Value < 0 || Value >= count() || Value == TopIndex())
        return;
    scrollTo(model()->index(Value, 0), QAbstractItemView::PositionAtTop);
}

int TCustomListBox::RowHeight(int Index) {
    int height = FItemHeight;
    if (FStyle == lbOwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(this, Index, height);
    return height;
}

void TCustomListBox::DrawItem(QPainter& painter, const QRect& rect, int Index,
                              TOwnerDrawState State) {
    if (rect.isEmpty())
        return;
    FItemImage = QImage(rect.size(), QImage::Format_RGB32);
    // What an item leaves unpainted shows the list's erased background.
    FItemImage.fill(ToQColor(FColor));
    FCanvas.Font() = FFont;
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    if (State & odSelected) {
        FCanvas.Brush().SetColor(clHighlight);
        FCanvas.Font().SetColor(clHighlightText);
    } else if (State & odDisabled) {
        FCanvas.Font().SetColor(clGrayText);
    }
    const TRect local{0, 0, rect.width(), rect.height()};
    if (FStyle != lbStandard && OnDrawItem)
        OnDrawItem(this, Index, local, State);
    else
        DrawPlainItem(Index, local);
    painter.drawImage(rect.topLeft(), FItemImage);
}

void TCustomListBox::DrawPlainItem(int Index, const TRect& Rect) {
    FCanvas.FillRect(Rect);
    const QString text = FItems.Strings(Index);
    FCanvas.TextOut(Rect.Left + 2, Rect.Top + (Rect.Height() - FCanvas.TextHeight(text)) / 2, text);
}

void TCustomListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    if (FFormFocus)
        return;
    FFormFocus = true;
    Guarded([this] {
        if (OnEnter)
            OnEnter(this);
    });
    FormFocusChanged();
}

void TCustomListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (CountsAsFocusChange(event->reason()))
        LoseFormFocus();
}

void TCustomListBox::ForgetFormFocus() {
    if (!FFormFocus)
        return;
    FFormFocus = false;
    FormFocusChanged();
}

void TCustomListBox::LoseFormFocus() {
    if (!FFormFocus)
        return;
    FFormFocus = false;
    Guarded([this] {
        if (OnExit)
            OnExit(this);
    });
    FormFocusChanged();
}
