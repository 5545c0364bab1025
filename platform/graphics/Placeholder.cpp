namespace plat { int placeholder_graphics; }
