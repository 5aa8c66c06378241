'''udisks2 mock template for Rackmere's tests

Publishes the object manager of org.freedesktop.UDisks2 with its manager
object and no block devices. Tests add, mount, unmount and remove block
devices with file systems through the org.freedesktop.DBus.Mock methods
below; each change sends the signals udisks2 itself sends
(InterfacesAdded, InterfacesRemoved, PropertiesChanged).
'''

import dbus

from dbusmock import MOCK_IFACE, OBJECT_MANAGER_IFACE
from dbusmock.mockobject import objects

SYSTEM_BUS = True
BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
IS_OBJECT_MANAGER = True

MANAGER_IFACE = 'org.freedesktop.UDisks2.Manager'
BLOCK_IFACE = 'org.freedesktop.UDisks2.Block'
FS_IFACE = 'org.freedesktop.UDisks2.Filesystem'
BLOCK_PREFIX = '/org/freedesktop/UDisks2/block_devices/'


def load(mock, _parameters):
    mock.AddObject('/org/freedesktop/UDisks2/Manager', MANAGER_IFACE,
                   {'Version': dbus.String('2.9.4', variant_level=1)}, [])


def _bytes(text):
    '''A NUL-terminated byte string, as udisks2 gives paths (ay).'''
    return dbus.Array([dbus.Byte(b) for b in text.encode('utf-8') + b'\0'], signature='y')


def _mount_points(paths):
    return dbus.Array([_bytes(p) for p in paths], signature='ay')


def _block(name):
    path = BLOCK_PREFIX + name
    if path not in objects:
        raise dbus.exceptions.DBusException(f'no block device {name}',
                                            name='org.freedesktop.DBus.Mock.NameError')
    return objects[path]


def _set_mount_points(obj, paths):
    value = _mount_points(paths)
    obj.props[FS_IFACE]['MountPoints'] = value
    obj.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                   [FS_IFACE, dbus.Dictionary({'MountPoints': value}, signature='sv'),
                    dbus.Array([], signature='s')])


@dbus.service.method(MOCK_IFACE, in_signature='sssstsbb', out_signature='o')
def AddVolume(self, name, uuid, label, fs_type, size, device, hint_system, hint_ignore):
    '''Adds block device NAME holding a file system, not mounted.'''
    path = BLOCK_PREFIX + name
    self.AddObject(path, BLOCK_IFACE, {
        'Device': _bytes(device),
        'PreferredDevice': _bytes(device),
        'IdUUID': dbus.String(uuid),
        'IdLabel': dbus.String(label),
        'IdType': dbus.String(fs_type),
        'IdUsage': dbus.String('filesystem'),
        'Size': dbus.UInt64(size),
        'HintSystem': dbus.Boolean(hint_system),
        'HintIgnore': dbus.Boolean(hint_ignore),
    }, [])
    obj = objects[path]
    obj.props[FS_IFACE] = {'MountPoints': _mount_points([])}
    self.EmitSignal(OBJECT_MANAGER_IFACE, 'InterfacesAdded', 'oa{sa{sv}}',
                    [dbus.ObjectPath(path), obj.props])
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='ss', out_signature='')
def Mount(self, name, mount_point):
    '''Adds a mount point to block device NAME.'''
    obj = _block(name)
    paths = [bytes(p).rstrip(b'\0').decode('utf-8') for p in obj.props[FS_IFACE]['MountPoints']]
    _set_mount_points(obj, paths + [mount_point])


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def Unmount(self, name):
    '''Takes every mount point of block device NAME away.'''
    _set_mount_points(_block(name), [])


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def RemoveVolume(self, name):
    '''Removes block device NAME (the disk was pulled out).'''
    obj = _block(name)
    path = BLOCK_PREFIX + name
    interfaces = dbus.Array(list(obj.props.keys()), signature='s')
    self.RemoveObject(path)
    self.EmitSignal(OBJECT_MANAGER_IFACE, 'InterfacesRemoved', 'oas', [dbus.ObjectPath(path), interfaces])
