#include "menuwiring.h"
#include "menuactions.h"

void RegisterMenuActions()
{
}
