#pragma once

#include <QLineEdit>

// A box for an amount: shown with a display format, typed with a comma or a
// point as the decimal separator; an empty box counts as 0; entering the box
// selects its whole content.
class MoneyBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit MoneyBox(QWidget *parent = nullptr);

    void setDisplayFormat(const QString &format);
    double value() const;
    void setValue(double value);

    // The number a text stands for: blanks and group separators ignored, the
    // last comma or point taken as the decimal separator; 0 when it is empty or
    // not a number.
    static double parse(const QString &text);

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showFormatted();
    QString editFormat() const;
    QString m_format = QStringLiteral(",0.00;-,0.00 ");
    double m_value = 0;
};
