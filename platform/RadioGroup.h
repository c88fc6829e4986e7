#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <functional>
#include <vector>

// A group box of radio buttons, one per item, stacked top to bottom;
// ItemIndex is the checked one (-1 for none).
class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* parent = nullptr);

    int ItemIndex() const;
    // A value beyond the items checks the last one; below 0 checks none.
    void SetItemIndex(int Value);
    QRadioButton* Button(int Index) const { return FButtons.at(size_t(Index)); }
    int Count() const { return int(FButtons.size()); }
    // Replaces the items; none is checked afterwards.
    void SetItems(const QStringList& Items);

    // An item clicked by the user.
    std::function<void()> OnClick;

private:
    QButtonGroup FGroup;
    std::vector<QRadioButton*> FButtons;
};
