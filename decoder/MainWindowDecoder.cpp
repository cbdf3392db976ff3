// Decoder identification and the address grid of the main window.
#include "app/TFormMain.h"

void TFormMain::ReadIdWords() {}
void TFormMain::DetectProtocol() {}
void TFormMain::ApplyDecoderType() {}
void TFormMain::ArrangeSlots(int) {}
void TFormMain::ShowEditorFrame(int) {}
void TFormMain::SetMotorolaLimits() {}
void TFormMain::SetDccLimits() {}
void TFormMain::ApplyProtocolLimits() {}
void TFormMain::ReadSlots() {}
bool TFormMain::WriteSlots() { return true; }
void TFormMain::btn_RGClick() {}
void TFormMain::ColourAddressEdits() {}
