#pragma once

#include "platform/Canvas.h"
#include "platform/Controls.h"

#include <QListWidget>
#include <cstdint>
#include <functional>

enum TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

enum TOwnerDrawStateFlag : uint8_t { odSelected = 0x01, odDisabled = 0x04, odFocused = 0x10 };
using TOwnerDrawState = uint8_t;

class TCustomListBox;

// Draws item Index into Rect on the list box's Canvas, which is prepared
// with the list's font and the item's brush (highlight when selected).
using TDrawItemEvent = std::function<void(TCustomListBox* Control, int Index, const TRect& Rect,
                                          TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TCustomListBox* Control, int Index, int& Height)>;

// The texts of a list box, kept in the list's order.
class TListBoxStrings {
public:
    explicit TListBoxStrings(TCustomListBox& owner) : FOwner(owner) {}
    int Count() const;
    // Raises EListError for an index outside the list.
    QString Strings(int Index) const;
    QString operator[](int Index) const { return Strings(Index); }
    // Appends, or inserts at the sort position of a sorted list; returns the index.
    int Add(const QString& S);
    void Delete(int Index);
    void Clear();
    // The first entry equal to S without regard to case, or -1.
    int IndexOf(const QString& S) const;
    QStringList Lines() const;
    void SetLines(const QStringList& Lines);

private:
    TCustomListBox& FOwner;
};

// The class library's list box over QListWidget. Every item is drawn through
// the platform canvas: by OnDrawItem for an owner-drawn list, else as text
// on the list's colour (highlight when selected). Rows are ItemHeight
// pixels high, or what OnMeasureItem says for lbOwnerDrawVariable.
class TCustomListBox : public QListWidget, public TObject {
public:
    explicit TCustomListBox(QWidget* parent = nullptr);
    ~TCustomListBox() override;

    TListBoxStrings& Items() { return FItems; }
    const TListBoxStrings& Items() const { return FItems; }

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // Single selection: the selected item or -1. Multiple: the focused item.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    // The first item shown; a value outside the list is ignored.
    int TopIndex() const;
    void SetTopIndex(int Value);

    // The canvas OnDrawItem draws on, valid while it runs.
    TCanvas& Canvas() { return FCanvas; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // The focus as the form sees it: gained with the keyboard focus, lost
    // only by a change that counts. OnEnter and OnExit follow it.
    bool FormFocus() const { return FFormFocus; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Ends the form focus as a hidden form ends it: FormFocusChanged, but no
    // OnExit (the form may be going with its handlers); the next focus-in
    // enters anew.
    void ForgetFormFocus();
    // Runs after the form focus was gained or lost, OnEnter or OnExit done.
    virtual void FormFocusChanged() {}
    void CheckIndex(int Index) const;

private:
    friend class TListBoxStrings;
    friend class TListBoxDelegate;
    int RowHeight(int Index);
    void DrawItem(QPainter& painter, const QRect& rect, int Index, TOwnerDrawState State);
    void DrawPlainItem(int Index, const TRect& Rect);
    void ApplySelectionMode();
    void Relayout();
    void SelectionChangedByUser();
    void LoseFormFocus();

    TListBoxStrings FItems{*this};
    bool FSorted = false;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    int FItemHeight = 16;
    TListBoxStyle FStyle = lbStandard;
    TColor FColor = clWindow;
    TFont FFont;
    QImage FItemImage;
    TCanvas FCanvas{&FItemImage};
    int FProgramChanges = 0;
    bool FFormFocus = false;
};
