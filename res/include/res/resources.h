#pragma once

struct ResourceTable;

// Everything the program keeps in its resources, for the layer at start-up.
const ResourceTable* ProgramResources();
