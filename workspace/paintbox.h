#pragma once
// The fixed square drawing area of the main window (szene::Seite). It draws nothing itself: its
// paint event hands a painter to the window's paint handler.
#include "workspace/szene.h"

#include <QPainter>
#include <QWidget>
#include <functional>

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {
        setFixedSize(szene::Seite, szene::Seite);
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
