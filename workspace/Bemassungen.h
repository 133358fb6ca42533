#pragma once
// Dimension window: a side view of two module rows that shows what the main window's module
// height, tilt and clear row distance measure.
#include <QWidget>

class QLabel;

class TFormHilfe : public QWidget {
    Q_OBJECT
public:
    explicit TFormHilfe(QWidget* parent = nullptr);

private:
    QLabel* Image1;
};
