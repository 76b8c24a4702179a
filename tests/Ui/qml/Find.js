.pragma library

// Finds the window's parts in a tree of items, depth first, an item before its children.

// Every item from item down for which test is true.
function all(item, test, found) {
    found = found || []
    if (test(item))
        found.push(item)
    for (var i = 0; i < item.children.length; ++i)
        all(item.children[i], test, found)
    return found
}

// The first item from item down for which test is true, or null.
function first(item, test) {
    if (test(item))
        return item
    for (var i = 0; i < item.children.length; ++i) {
        var found = first(item.children[i], test)
        if (found)
            return found
    }
    return null
}

function allNamed(item, name) {
    return all(item, function (each) {
        return each.objectName === name
    })
}

function named(item, name) {
    return first(item, function (each) {
        return each.objectName === name
    })
}

// The shown button that reads text: a hidden one is not one a user can press.
function button(item, text) {
    return first(item, function (each) {
        return each.btnText === text && each.visible
    })
}
