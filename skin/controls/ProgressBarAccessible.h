#pragma once

#include <QAccessibleWidget>

class TsuiProgressBar;

// What a screen reader learns of a skinned progress bar: the progress-bar
// role, its range and position, and its caption ("50%") as the value text.
class ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressBarAccessible(TsuiProgressBar* bar);

    // Makes Qt's accessibility create one for every TsuiProgressBar.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {} // read only
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    const TsuiProgressBar* bar() const;
};
