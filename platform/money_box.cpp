#include "platform/money_box.h"

#include "platform/display_format.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

MoneyBox::MoneyBox(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^-?[0-9 \\x{00A0}\\x{202F}.,]*$")), this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_value = parse(text);
        emit valueChanged(m_value);
    });
    showFormatted();
}

void MoneyBox::setDisplayFormat(const QString &format)
{
    m_format = format;
    if (!hasFocus())
        showFormatted();
}

double MoneyBox::value() const
{
    return m_value;
}

void MoneyBox::setValue(double value)
{
    m_value = value;
    if (hasFocus() && !isReadOnly())
        setText(formatNumber(value, editFormat()));
    else
        showFormatted();
    emit valueChanged(m_value);
}

double MoneyBox::parse(const QString &text)
{
    QString plain;
    for (QChar c : text) {
        if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(','))
            plain.append(c);
    }
    const qsizetype separator = std::max(plain.lastIndexOf(QLatin1Char('.')), plain.lastIndexOf(QLatin1Char(',')));
    QString integerPart = separator < 0 ? plain : plain.left(separator);
    integerPart.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    const QString fraction = separator < 0 ? QString() : plain.mid(separator + 1);
    bool ok = false;
    const double number = (integerPart + QLatin1Char('.') + fraction).toDouble(&ok);
    return ok ? number : 0.0;
}

QString MoneyBox::editFormat() const
{
    // As many decimals as the display format shows, without group separators.
    const QString positive = m_format.section(QLatin1Char(';'), 0, 0);
    const qsizetype point = positive.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : positive.mid(point + 1).count(QLatin1Char('0'));
    return decimals ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QStringLiteral("0");
}

void MoneyBox::showFormatted()
{
    setText(formatNumber(m_value, m_format));
}

void MoneyBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isReadOnly())
        return;
    // Typed without group separators; everything selected, so typing replaces it
    // (after the click that gave the focus has placed the cursor).
    setText(formatNumber(m_value, editFormat()));
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void MoneyBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    showFormatted();
}
