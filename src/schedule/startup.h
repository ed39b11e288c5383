// Brings the schedule core up once the windows exist: working folders, mode, scheme list.
#pragma once

void startUp();
