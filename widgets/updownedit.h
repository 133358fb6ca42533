#pragma once
// A one-line edit with an attached up/down control. Unlike QSpinBox the range and step
// limit only the arrows: any text can be typed, and the edit reports it unchanged, so the
// window's strict conversions decide what a text means.
#include <QAbstractSpinBox>

class UpDownEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit UpDownEdit(QWidget* parent = nullptr);

    // Arrow range and step. A minimum above the maximum makes the up arrow decrease.
    void setBereich(int minimum, int maximum, int schritt = 1);
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int schritt() const { return schritt_; }
    // Typing stops at this many characters (0: no limit); setText is not limited.
    void setMaxLaenge(int zeichen);
    int maxLaenge() const { return maxLaenge_; }

    QString text() const;
    // Setting the text the edit already shows changes nothing and fires nothing.
    void setText(const QString& text);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;

signals:
    void textChanged(const QString& text);
    // A mouse click into the edit.
    void geklickt();

protected:
    StepEnabled stepEnabled() const override;
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    int min_ = 0, max_ = 100, schritt_ = 1;
    int position_ = 0; // last value the arrows knew, used when the text is no number
    int maxLaenge_ = 0;
    bool schreibt_ = false; // setText is writing
    QString bisher_;        // the text before the change being checked
};
