// The picture resources are added to this library by the build; this file
// only gives the library something of its own to compile.
namespace vormis {
int resourcesLibrary = 0;
}
