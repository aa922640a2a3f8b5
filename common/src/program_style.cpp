#include "common/program_style.h"

#include "common/ready_drawn.h"

namespace orbis {

ProgramStyle::ProgramStyle()
    : overflowArrow_(ReadyDrawnIcon({":/icons/menu-overflow.png", ":/icons/menu-overflow@2x.png"}))
{
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const
{
    // Every menu bar asks for this arrow as it is built. The stock picture is a file whose format
    // Qt guesses by loading every image plugin there is (GIF, JPEG, SVG ...), which would all come
    // in before the main window's first paint.
    if (which == SP_ToolBarHorizontalExtensionButton && !overflowArrow_.isNull())
        return overflowArrow_;
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace orbis
