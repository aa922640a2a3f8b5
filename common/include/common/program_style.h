// The desktop's own widget style, with the menu bar's overflow arrow drawn from our picture.
#pragma once

#include <QProxyStyle>

namespace orbis {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    QIcon overflowArrow_;
};

} // namespace orbis
