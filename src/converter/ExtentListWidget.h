#pragma once
// The converter's file list: a list box whose sideways scroll range is at least the widest
// entry it ever held (its horizontal extent), so that removing the widest entry never takes
// the scroll range away.

#include <QListWidget>
#include <QScrollBar>

class ExtentListWidget : public QListWidget {
public:
    explicit ExtentListWidget(QWidget* parent = nullptr) : QListWidget(parent) {
        setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    int horizontalExtent() const { return m_extent; }
    void setHorizontalExtent(int pixels) {
        m_extent = pixels;
        updateGeometries();
    }

protected:
    void updateGeometries() override {
        QListWidget::updateGeometries();
        const int needed = m_extent - viewport()->width();
        if (needed > horizontalScrollBar()->maximum()) horizontalScrollBar()->setRange(0, needed);
    }

private:
    int m_extent = 0;
};
