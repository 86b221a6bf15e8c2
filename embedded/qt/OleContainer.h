#pragma once

#include "embedded/VectorPicture.h"
#include "platform/Colors.h"
#include "platform/qt/QtTextBackend.h"

#include <QWidget>

#include <optional>

// The disabled panel in the input group that shows the picture of the
// equations. It never takes the focus, is skipped by Tab and reacts to no
// input; it only paints its sunken edge, its face colour and its picture at
// the widget's logical pixel density. Without a picture it shows only the
// edge and the face colour. The engine paints it (embedded/ContainerPainter),
// its glyphs drawn with Qt's fonts.
class TOleContainer : public QWidget {
    Q_OBJECT

public:
    explicit TOleContainer(QWidget* parent = nullptr);

    // The colour the control is erased with before the edge is drawn.
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    bool HasPicture() const { return picture_.has_value(); }
    const std::optional<VectorPicture>& Picture() const { return picture_; }
    void SetPicture(VectorPicture picture);
    void ClearPicture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor color_ = clWhite;
    std::optional<VectorPicture> picture_;
    platform::qt::QtTextBackend text_;
};
