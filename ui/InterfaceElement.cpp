#include "ui/InterfaceElement.h"

#include "ui/UIInterface.h"

InterfaceElement::InterfaceElement(int id, UIInterface* element, int anchor)
    : elementId(id), anchorCode(anchor), panel(element)
{
    panel->retain();
}

InterfaceElement::~InterfaceElement()
{
    panel->release();
}
