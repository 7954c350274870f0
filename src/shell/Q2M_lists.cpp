// Placeholder.
#include "shell/Q2M.h"

namespace shell {
void Q2M::Command1_Click() {}
void Q2M::Command2_Click() {}
void Q2M::Command3_Click() {}
void Q2M::Command4_Click() {}
void Q2M::Command5_Click() {}
void Q2M::Command6_Click() {}
void Q2M::Command7_Click() {}
void Q2M::Command8_Click() {}
void Q2M::Command10_Click() {}
void Q2M::List1_Click() {}
void Q2M::List2_Click() {}
void Q2M::List2_GotFocus() {}
void Q2M::List2_LostFocus() {}
void Q2M::List3c_Click() {}
void Q2M::List4c_Click() {}
void Q2M::plus_Click() {}
void Q2M::minus_Click() {}
void Q2M::clear_Click() {}
void Q2M::Picture1_Click() {}
void Q2M::Picture2_Click() {}
} // namespace shell
