#pragma once

// The constant tables that translate between address numbers and the codes the
// decoders keep in their EEPROM.
class AddressCodeTables {
public:
    AddressCodeTables() = default;
};
