#include "ui/windows/UIInteractElement.h"

#include "app/ControllerKeys.h"

UIInteractElement* UIInteractElement::focusedElement = nullptr;

namespace {

// The raw pad buttons that navigate.
constexpr int kPadUp = 0;
constexpr int kPadDown = 1;
constexpr int kPadSelect = 11;
constexpr int kPadBack = 12;

}

UIInteractElement::UIInteractElement()
{
    focusedElement = this;
}

UIInteractElement::~UIInteractElement()
{
    if (focusedElement == this)
        focusedElement = nullptr;
}

void UIInteractElement::moveSelection(int delta)
{
    if (onMove)
        onMove(delta);
}

void UIInteractElement::select()
{
    if (onSelect)
        onSelect();
}

void UIInteractElement::back()
{
    if (onBack)
        onBack();
}

bool UIInteractElement::handleKey(int keyCode)
{
    (void)keyCode;
    return false;
}

void UIInteractElement::dispatchKey(int keyCode)
{
    UIInteractElement* element = focusedElement;
    if (!element || element->handleKey(keyCode))
        return;
    switch (keyCode)
    {
    case Key::Up:
    case Key::W:
        element->moveSelection(-1);
        break;
    case Key::Down:
    case Key::S:
        element->moveSelection(1);
        break;
    case Key::Enter:
    case Key::E:
        element->select();
        break;
    case Key::Escape:
    case Key::Q:
        element->back();
        break;
    default:
        break;
    }
}

void UIInteractElement::dispatchButton(int button)
{
    UIInteractElement* element = focusedElement;
    if (!element)
        return;
    switch (button)
    {
    case kPadUp:
        element->moveSelection(-1);
        break;
    case kPadDown:
        element->moveSelection(1);
        break;
    case kPadSelect:
        element->select();
        break;
    case kPadBack:
        element->back();
        break;
    default:
        break;
    }
}
