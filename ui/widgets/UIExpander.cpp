#include "ui/widgets/UIExpander.h"

UIExpander::UIExpander(UIWidget* parent) : UIWidget(parent)
{
    layout().setPolicy(SizePolicy::Expanding, SizePolicy::Expanding);
    create(u"UIExpander");
}
