namespace plat { int placeholder_core; }
