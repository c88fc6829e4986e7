#include "platform/RadioGroup.h"

#include "platform/Guard.h"

#include <QVBoxLayout>
#include <algorithm>

TRadioGroup::TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* parent)
    : QGroupBox(Caption, parent) {
    new QVBoxLayout(this);
    SetItems(Items);
    connect(&FGroup, &QButtonGroup::idClicked, this, [this] {
        Guarded([this] {
            if (OnClick)
                OnClick();
        });
    });
}

void TRadioGroup::SetItems(const QStringList& Items) {
    for (QRadioButton* button : FButtons)
        delete button;
    FButtons.clear();
    for (const QString& item : Items) {
        auto* button = new QRadioButton(item, this);
        FGroup.addButton(button, int(FButtons.size()));
        FButtons.push_back(button);
        layout()->addWidget(button);
    }
}

int TRadioGroup::ItemIndex() const {
    return FGroup.checkedId();
}

void TRadioGroup::SetItemIndex(int Value) {
    Value = std::min(Value, int(FButtons.size()) - 1);
    if (Value >= 0) {
        FButtons[size_t(Value)]->setChecked(true);
        return;
    }
    // Exclusive buttons cannot all be unchecked while the group is exclusive.
    FGroup.setExclusive(false);
    for (QRadioButton* button : FButtons)
        button->setChecked(false);
    FGroup.setExclusive(true);
}
