#include "core/drill/memory/memory_model.h"

// The drill's model in plain numbers is compiled once, here.
template class MemoryModelOf<double>;
