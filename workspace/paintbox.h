#pragma once
// The fixed 558 x 558 drawing area of the main window. It draws nothing itself: its paint
// event hands a painter to the window's paint handler.
#include <QPainter>
#include <QWidget>
#include <functional>

class TPaintBox : public QWidget {
public:
    static constexpr int Seite = 558;

    explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {
        setFixedSize(Seite, Seite);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setClipRect(rect());
        if (OnPaint) OnPaint(p);
    }
};
