#pragma once

// The transformers that the interface files' bindings name by class name.
class LWValueTransformerClasses {
public:
    // Makes each class name known to the value-transformer registry; an instance is made
    // the first time a binding names it.
    static void registerAll();
};
