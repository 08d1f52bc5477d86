#pragma once

namespace corvane {

// What a calculator window does with the events of its field array.
// Every handler receives the index of the field that raised the event.
class FieldHandler
{
public:
    virtual ~FieldHandler() = default;
    virtual void txt_GotFocus(int index) = 0;
    // keyAscii is the typed character's code; set it to 0 to swallow it.
    virtual void txt_KeyPress(int index, int &keyAscii) = 0;
    virtual void txt_LostFocus(int index) = 0;
};

} // namespace corvane
