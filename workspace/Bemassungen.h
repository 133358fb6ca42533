#pragma once
// Dimension window: the drawing that explains the installation dimensions.
#include <QWidget>

class TFormHilfe : public QWidget {
    Q_OBJECT
public:
    explicit TFormHilfe(QWidget* parent = nullptr);
};
