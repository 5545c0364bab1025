namespace plat { int placeholder_system; }
