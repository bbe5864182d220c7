// ModiRet: one picked node, tank or branch of a network edited in its dialog.
#pragma once

void ModifyElement();
